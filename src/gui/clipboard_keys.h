// The clipboard's ways into the boxes that filter what is typed into them.
#pragma once

class QKeyEvent;
class QLineEdit;

namespace kv {

// Whether the key press copies, cuts or pastes in any of its forms: Ctrl+C, Ctrl+X, Ctrl+V,
// Ctrl+Insert, Shift+Delete, Shift+Insert. A box that filters typed characters discards these,
// since pasted text would pass its filter unseen.
bool IsClipboardKey(const QKeyEvent& key);

// Refuses the pastes that need no key in a box that filters what is typed: the middle button
// (the X11 selection), a drop, and the box's own menu. The box's key filter refuses the rest.
void KeepPastesOut(QLineEdit* box);

}  // namespace kv
