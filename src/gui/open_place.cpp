// Opening a window at a place.
#include "gui/open_place.h"

#include <QMetaObject>
#include <QWidget>

#include "gui/editor_host.h"

namespace kv {

bool OpenPlace(EditorHost& host, const QString& window, int band, int group, int row) {
    QWidget* editor = host.OpenEditor(window);
    host.Widget()->raise();
    host.Widget()->activateWindow();
    if (editor == nullptr) return false;
    if (band >= 0)
        QMetaObject::invokeMethod(editor, "ShowChannel", Qt::DirectConnection, Q_ARG(int, band),
                                  Q_ARG(int, group), Q_ARG(int, row));
    return true;
}

}  // namespace kv
