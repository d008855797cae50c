// The keyboard's clipboard shortcuts.
#include "gui/clipboard_keys.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>

namespace kv {
namespace {

// Swallows the middle button's clicks on the box it watches (on X11 the release pastes the
// selection) and drops: both would pass the box's key filter unseen.
class PasteWithoutKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
                if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) return true;
                break;
            case QEvent::DragEnter:
            case QEvent::DragMove:
            case QEvent::Drop:
                return true;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

bool IsClipboardKey(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Cut) ||
        key.matches(QKeySequence::Paste))
        return true;
    // The platform's key bindings may lack some forms; these are caught whatever they hold.
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const int code = key.key();
    if (modifiers & Qt::ControlModifier)
        return code == Qt::Key_C || code == Qt::Key_X || code == Qt::Key_V ||
               code == Qt::Key_Insert;
    return modifiers == Qt::ShiftModifier && (code == Qt::Key_Insert || code == Qt::Key_Delete);
}

void KeepPastesOut(QLineEdit* box) {
    box->setAcceptDrops(false);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->installEventFilter(new PasteWithoutKeys(box));
}

}  // namespace kv
