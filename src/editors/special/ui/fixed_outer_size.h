// Holds an editor's child frame at a fixed outer size given in twips, as the block windows are.
#pragma once

class QWidget;

namespace kv {

// Call when the editor has been put into its child frame (its ParentChange event): fixes the
// frame's size and leaves it only the minimise and close buttons.
void FixOuterSize(QWidget* editor, int widthTwips, int heightTwips);

}  // namespace kv
