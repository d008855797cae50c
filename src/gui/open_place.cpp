// Opening a window at a place.
#include "gui/open_place.h"

#include <QWidget>

#include "gui/editor_host.h"
#include "gui/editor_window.h"
#include "gui/window_registry.h"

namespace kv {

bool OpenPlace(EditorHost& host, const QString& window, int band, int group, int row) {
    QWidget* editor = host.OpenEditor(window);
    host.Widget()->raise();
    host.Widget()->activateWindow();
    if (editor == nullptr) return false;
    if (auto* shows = WindowRegistry::InterfaceOf<EditorWindow>(editor); shows && band >= 0)
        shows->ShowChannel(band, group, row);
    return true;
}

}  // namespace kv
