// The keyboard's clipboard shortcuts, for the boxes that filter what is typed into them.
#pragma once

class QKeyEvent;

namespace kv {

// Whether the key press copies, cuts or pastes in any of its forms: Ctrl+C, Ctrl+X, Ctrl+V,
// Ctrl+Insert, Shift+Delete, Shift+Insert. A box that filters typed characters discards these,
// since pasted text would pass its filter unseen.
bool IsClipboardKey(const QKeyEvent& key);

}  // namespace kv
