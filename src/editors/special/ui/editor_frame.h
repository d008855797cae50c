// What an editor does with the child frame the main window puts it in: hold it at a fixed
// outer size given in twips, as the block windows are, and close it.
#pragma once

class QWidget;

namespace kv {

// Call when the editor has been put into its child frame (its ParentChange event): fixes the
// frame's size and leaves it only the minimise and close buttons.
void FixOuterSize(QWidget* editor, int widthTwips, int heightTwips);

// Closes the editor's child frame, which closes the editor; the editor alone when it has none.
void CloseEditorFrame(QWidget* editor);

}  // namespace kv
