// What an editor does with the child frame the main window puts it in: hold it at a fixed
// outer size given in twips, as the block windows are, keep it inside the space the main window
// has for it, lay out its scrolling content above its buttons, and close it.
#pragma once

class QLayout;
class QMdiSubWindow;
class QWidget;

namespace kv {

// Call when the editor has been put into its child frame (its ParentChange event): fixes the
// frame's size and leaves it only the minimise and close buttons.
void FixOuterSize(QWidget* editor, int widthTwips, int heightTwips);

// Shrinks the frame, fixed or not, so that it fits between its place and the bottom-right corner
// of its area's visible space: an editor never opens larger than the room it has.
void FitEditorFrame(QMdiSubWindow* frame);

// Lays the editor out as `content` above `buttons`: the content asks for its whole size and
// scrolls when the frame is smaller, the buttons stay in sight at every size.
void SetScrollingContent(QWidget* editor, QWidget* content, QLayout* buttons);

// Closes the editor's child frame, which closes the editor; the editor alone when it has none.
void CloseEditorFrame(QWidget* editor);

}  // namespace kv
