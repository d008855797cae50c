// The per-user store of the main window's placement: left, top, width and height in twips, in
// group "Settings" of the application "KV-7700".
#pragma once

#include <QSettings>
#include <memory>

namespace kv {

struct WindowPlacement {
    int Left = 100;
    int Top = 100;
    int Width = 14500;
    int Height = 10500;
    bool operator==(const WindowPlacement&) const = default;
};

class PlacementStore {
public:
    // The user's store in the platform's native format.
    PlacementStore();
    // A store in the INI file at `path`, for tests.
    explicit PlacementStore(const QString& path);

    // Missing or unreadable keys take their defaults.
    WindowPlacement load() const;
    void save(const WindowPlacement& placement);

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace kv
