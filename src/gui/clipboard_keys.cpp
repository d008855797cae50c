// The keyboard's clipboard shortcuts.
#include "gui/clipboard_keys.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace kv {

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

}  // namespace kv
