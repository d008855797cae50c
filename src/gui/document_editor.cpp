// The edit entry and its undo history.
#include "gui/document_editor.h"

#include <QUndoCommand>

#include "app/edit_names.h"
#include "model/band_range.h"
#include "model/working_diff.h"

namespace kv {

// One recorded edit: the records it changed, before and after. The stack calls redo() when the
// step is pushed; the edit is in the document already then.
class DocumentEditor::Step : public QUndoCommand {
public:
    Step(DocumentEditor& editor, const DocumentEdit& edit, WorkingDiff diff,
         EditDescription description, std::string rangeBefore, std::string rangeAfter)
        : editor_(editor),
          edit_(edit),
          diff_(std::move(diff)),
          description_(std::move(description)),
          rangeBefore_(std::move(rangeBefore)),
          rangeAfter_(std::move(rangeAfter)) {
        setText(QString::fromStdString(description_.Name.en));
    }
    void undo() override { editor_.restore(*this, false); }
    void redo() override {
        if (pushed_) editor_.restore(*this, true);
        pushed_ = true;
    }

    const DocumentEdit& edit() const { return edit_; }
    const WorkingDiff& diff() const { return diff_; }
    const EditDescription& description() const { return description_; }
    // The band range text goes with the band: a band pick sets both.
    const std::string& range(bool forward) const { return forward ? rangeAfter_ : rangeBefore_; }

private:
    DocumentEditor& editor_;
    DocumentEdit edit_;
    WorkingDiff diff_;
    EditDescription description_;
    std::string rangeBefore_;
    std::string rangeAfter_;
    bool pushed_ = false;
};

DocumentEditor::DocumentEditor(Document& doc, const CodecOptions& codec, QObject* parent)
    : QObject(parent),
      doc_(doc),
      codec_(codec),
      seen_(std::make_unique<RadioData>(doc.Working)),
      seenRange_(doc.BandRangeText) {
    stack_.setUndoLimit(kUndoSteps);
    connect(&stack_, &QUndoStack::indexChanged, this, &DocumentEditor::historyChanged);
}

DocumentEditor::~DocumentEditor() = default;

bool DocumentEditor::record(const DocumentEdit& edit) {
    // A window redrawing after an undo must not store; should one do so, the change joins the
    // next recorded step rather than the step being restored.
    if (restoring_) return false;
    WorkingDiff diff = DiffWorking(*seen_, doc_.Working);
    if (diff.empty()) return false;
    ApplyDiff(*seen_, diff, true);
    EditDescription description = DescribeEdit(doc_, edit, diff, *codec_.AnsiCodePage);
    stack_.push(new Step(*this, edit, std::move(diff), std::move(description), seenRange_,
                         doc_.BandRangeText));
    seenRange_ = doc_.BandRangeText;
    return true;
}

void DocumentEditor::Edited(const DocumentEdit& edit) {
    record(edit);
    emit edited(edit);
}

bool DocumentEditor::Apply(const std::function<void(Document&)>& change, const DocumentEdit& edit) {
    change(doc_);
    if (!record(edit)) return false;
    emit edited(edit);
    return true;
}

void DocumentEditor::Reset() {
    stack_.clear();
    *seen_ = doc_.Working;
    seenRange_ = doc_.BandRangeText;
    emit historyChanged();
}

void DocumentEditor::Replaced() {
    Reset();
    restoring_ = true;
    DocumentEdit edit{EditSection::Whole};
    edit.Replaced = true;
    emit edited(edit);
    restoring_ = false;
}

void DocumentEditor::Undo() {
    if (stack_.canUndo()) stack_.undo();
}

void DocumentEditor::Redo() {
    if (stack_.canRedo()) stack_.redo();
}

void DocumentEditor::restore(const Step& step, bool forward) {
    restoring_ = true;
    const int bandBefore = doc_.config().BandMode;
    ApplyDiff(doc_.Working, step.diff(), forward);
    ApplyDiff(*seen_, step.diff(), forward);
    doc_.BandRangeText = seenRange_ = step.range(forward);
    ParseBandRange(doc_);
    emit edited(DocumentEdit{EditSection::Whole});
    restoring_ = false;
    // A step that moved the stored band is shown at the band it restored, not at the band the
    // window showed when the step was made: what is shown is what the next Save writes.
    DocumentEdit shown = step.edit();
    if (doc_.config().BandMode != bandBefore)
        shown = DocumentEdit{shown.Section, doc_.config().BandMode};
    const char* window = step.description().Window;
    emit restored(shown, window ? QString::fromLatin1(window) : QString());
}

const TextPair* DocumentEditor::UndoName() const {
    if (!stack_.canUndo()) return nullptr;
    return &static_cast<const Step*>(stack_.command(stack_.index() - 1))->description().Name;
}

const TextPair* DocumentEditor::RedoName() const {
    if (!stack_.canRedo()) return nullptr;
    return &static_cast<const Step*>(stack_.command(stack_.index()))->description().Name;
}

std::size_t DocumentEditor::StepBytes() const {
    std::size_t total = 0;
    for (int i = 0; i < stack_.count(); ++i)
        total += sizeof(Step) + static_cast<const Step*>(stack_.command(i))->diff().bytes();
    return total;
}

}  // namespace kv
