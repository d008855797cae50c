// The editor windows the main window can open, by object name. Each editor registers one
// factory here; the main window creates, finds and brings windows to the front through it, and
// reaches an open window through the typed interfaces it hands out.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <string>

namespace kv {

class EditorHost;
struct ShellContext;

// Creates the editor window; the main window puts it into a child frame and shows it. The
// window's object name must be the name it is registered under.
using EditorFactory = std::function<QWidget*(ShellContext& context, EditorHost& main)>;

class WindowRegistry {
public:
    void Register(const std::string& name, EditorFactory factory);
    bool Has(const std::string& name) const;
    // nullptr when no window of that name is registered.
    QWidget* Create(const std::string& name, ShellContext& context, EditorHost& main) const;
    // The typed interface (EditorWindow, ListCommandWindow) of an editor window; nullptr when
    // there is no window or it does not offer that interface.
    template <typename Interface>
    static Interface* InterfaceOf(QWidget* window) {
        return dynamic_cast<Interface*>(window);
    }

private:
    std::map<std::string, EditorFactory> factories_;
};

// Registers every editor window of the program.
void RegisterEditorWindows(WindowRegistry& registry);

}  // namespace kv
