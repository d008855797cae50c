// The editor windows the main window can open.
#include "gui/window_registry.h"

namespace kv {

void WindowRegistry::Register(const std::string& name, EditorFactory factory) {
    factories_[name] = std::move(factory);
}

bool WindowRegistry::Has(const std::string& name) const {
    return factories_.contains(name);
}

QWidget* WindowRegistry::Create(const std::string& name, ShellContext& context,
                                EditorHost& main) const {
    const auto found = factories_.find(name);
    return found == factories_.end() ? nullptr : found->second(context, main);
}

}  // namespace kv
