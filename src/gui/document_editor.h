// The one way in for edits of the document. Every change a window makes ends here: the editor
// compares the working data with the state it last saw, keeps the difference as an undo step
// (positions left out) and announces the edit with one signal. Undo and redo restore the
// recorded records and announce a whole-document change, so every open window redraws.
#pragma once

#include <QObject>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <string>

#include "codec/image_codec.h"
#include "model/document.h"
#include "model/document_edit.h"
#include "model/text_pair.h"

namespace kv {

class DocumentEditor : public QObject {
    Q_OBJECT
public:
    // At least this many steps are kept; older ones are dropped.
    static constexpr int kUndoSteps = 1000;

    // codec gives the code page the names of edits show group names through.
    DocumentEditor(Document& doc, const CodecOptions& codec, QObject* parent = nullptr);
    ~DocumentEditor() override;

    // The document was changed by `edit`: records what changed (nothing when nothing did) and
    // announces the edit.
    void Edited(const DocumentEdit& edit);
    // Applies a core edit to the document, records it and announces it; a change that changes
    // nothing records and announces nothing. True when the document changed.
    bool Apply(const std::function<void(Document&)>& change, const DocumentEdit& edit);
    // The document was replaced: a fresh history, announced to no window.
    void Reset();
    // The document was replaced (New, Open, Read, Initial Setting): a fresh history, and a
    // whole-document change announced so that every open window redraws, storing nothing.
    void Replaced();

    bool CanUndo() const { return stack_.canUndo(); }
    bool CanRedo() const { return stack_.canRedo(); }
    void Undo();
    void Redo();
    int UndoCount() const { return stack_.index(); }
    // Names of the step the next undo or redo restores; nullptr when there is none.
    const TextPair* UndoName() const;
    const TextPair* RedoName() const;
    // The memory the recorded steps hold.
    std::size_t StepBytes() const;

signals:
    // An edit, undo or redo changed the document as `edit` says; windows refresh from it.
    void edited(const kv::DocumentEdit& edit);
    // After an undo or redo: where the restored edit is shown (at the band it restored when it
    // moved the stored band), and the window (object name) that shows it.
    void restored(const kv::DocumentEdit& edit, const QString& window);
    // The steps that can be undone or redone changed.
    void historyChanged();

private:
    class Step;
    // Records the difference from the last seen state as a step; false when there is none.
    bool record(const DocumentEdit& edit);
    void restore(const Step& step, bool forward);

    Document& doc_;
    const CodecOptions& codec_;
    std::unique_ptr<RadioData> seen_;  // the working data as last recorded or restored
    std::string seenRange_;            // the band range text as last recorded or restored
    QUndoStack stack_;
    bool restoring_ = false;
};

}  // namespace kv
