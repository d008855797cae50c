// What the main window and the other windows ask of an editor window. Calls go through these
// types rather than through operation names, so that a renamed operation stops compiling instead
// of silently doing nothing. The window registry hands the interfaces out.
#pragma once

namespace kv {

class EditorWindow {
public:
    virtual ~EditorWindow() = default;

    // Stores what is still being typed: before Save, Write, an undo, the unsaved-changes
    // question, and when another window needs the document as the user sees it.
    virtual void FinishEdit() {}
    // Settles a copy the window edits apart from the document (the block windows' picks before
    // their Save): asks whether to save it. False when the user cancels whatever asked.
    virtual bool ResolveCopy() { return true; }
    // Shows row `row` (counted from 1) of group `group` of band `band`; a group or row below 1
    // leaves the window's own choice. Only a window that shows channels does anything.
    virtual void ShowChannel(int /*band*/, int /*group*/, int /*row*/) {}

protected:
    EditorWindow() = default;
    EditorWindow(const EditorWindow&) = default;
    EditorWindow& operator=(const EditorWindow&) = default;
};

// The Edit menu's list commands, run by the window whose grid they act on.
class ListCommandWindow {
public:
    virtual ~ListCommandWindow() = default;

    virtual void ListCopy() = 0;
    virtual void ListCut() = 0;
    virtual void ListPaste() = 0;
    virtual void ListDelete() = 0;
    virtual void ListInsertPaste() = 0;
    // Tools → Sort Group by Frequency, Move Up and Move Down on the group shown.
    virtual void ListSortByFrequency() = 0;
    virtual void ListMoveUp() = 0;
    virtual void ListMoveDown() = 0;

protected:
    ListCommandWindow() = default;
    ListCommandWindow(const ListCommandWindow&) = default;
    ListCommandWindow& operator=(const ListCommandWindow&) = default;
};

}  // namespace kv
