// Editor mnemonics before the menu bar's.
#include "gui/editor_mnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace kv {
namespace {

// The control of the editor around `focus` whose caption has the mnemonic `key`: a button, or
// the control a label names; null when none has it.
QWidget* MnemonicTarget(QMdiArea* area, QWidget* focus, const QKeySequence& key) {
    QMdiSubWindow* frame = area->activeSubWindow();
    if (frame == nullptr || frame->widget() == nullptr || focus == nullptr ||
        !frame->isAncestorOf(focus))
        return nullptr;
    QWidget* editor = frame->widget();
    for (auto* button : editor->findChildren<QAbstractButton*>())
        if (button->isVisible() && button->isEnabled() &&
            QKeySequence::mnemonic(button->text()) == key)
            return button;
    for (auto* label : editor->findChildren<QLabel*>())
        if (label->isVisible() && label->buddy() != nullptr && label->buddy()->isEnabled() &&
            QKeySequence::mnemonic(label->text()) == key)
            return label->buddy();
    return nullptr;
}

QKeySequence AltKey(const QKeyEvent* key) {
    if (key->modifiers() != Qt::AltModifier) return {};
    return QKeySequence(key->keyCombination());
}

}  // namespace

EditorMnemonics::EditorMnemonics(QMdiArea* area, QObject* parent) : QObject(parent), area_(area) {
    qApp->installEventFilter(this);
}

bool EditorMnemonics::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) return false;
    if (watched != QApplication::focusWidget()) return false;
    const QKeySequence key = AltKey(static_cast<QKeyEvent*>(event));
    if (key.isEmpty()) return false;
    QWidget* target = MnemonicTarget(area_, QApplication::focusWidget(), key);
    if (target == nullptr) return false;
    if (type == QEvent::ShortcutOverride) {
        // Taken from the shortcuts (the menu bar's and the control's own), so that the key
        // arrives as a key press and is handled below exactly once.
        event->accept();
        return true;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->setFocus(Qt::ShortcutFocusReason);
        button->click();
    } else {
        target->setFocus(Qt::ShortcutFocusReason);
    }
    return true;
}

}  // namespace kv
