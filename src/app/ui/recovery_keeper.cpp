// The recovery copy: taken on the window's thread, encoded and written on a thread of its own.
#include "app/ui/recovery_keeper.h"

#include <memory>

#include "app/ui/document_store.h"
#include "files/recovery_file.h"
#include "gui/document_editor.h"
#include "model/document.h"
#include "platform/recovery_store.h"
#include "platform/user_data_folder.h"

namespace kv {

// Lives on the writer thread; its work arrives as queued calls, so copies and removals reach
// the disk in the order they were asked for.
class RecoveryKeeper::Writer : public QObject {
public:
    explicit Writer(const QString& folder) : file_(folder) {}

    void Write(const RecoveryContent& content) { file_.Write(EncodeRecovery(content)); }
    void Remove() { file_.Remove(); }
    QString path() const { return file_.path(); }

private:
    OwnRecoveryFile file_;
};

RecoveryKeeper::RecoveryKeeper(const Document& doc, DocumentEditor& editor,
                               const DocumentStore& store, const QString& folder, QObject* parent)
    : QObject(parent), doc_(doc), store_(store), folder_(folder) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDelay);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::takeCopy);
    // Edits, undo, redo and replaced documents all announce themselves through edited().
    connect(&editor, &DocumentEditor::edited, this, &RecoveryKeeper::onEdited);
}

RecoveryKeeper::~RecoveryKeeper() {
    timer_.stop();
    if (writer_ == nullptr) return;
    // Waits for the removal: the thread's loop may end before it runs calls still queued.
    Writer* target = writer_;
    QMetaObject::invokeMethod(
        target, [target] { target->Remove(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
    delete writer_;
}

RecoveryKeeper::Writer& RecoveryKeeper::writer() {
    if (writer_ == nullptr) {
        writer_ = new Writer(folder_);
        writer_->moveToThread(&thread_);
        thread_.setObjectName(QStringLiteral("recovery writer"));
        thread_.start(QThread::LowPriority);
    }
    return *writer_;
}

QString RecoveryKeeper::copyPath() const {
    return writer_ ? writer_->path() : QString();
}

void RecoveryKeeper::onEdited(const DocumentEdit& edit) {
    // The copy of a replaced document goes at once: it no longer holds what the user works on.
    if (edit.Replaced) removeCopy();
    // The first edit after a copy starts the timer; later ones wait for it, so that a copy
    // follows any edit within the delay however fast the edits come.
    if (!timer_.isActive()) timer_.start();
}

void RecoveryKeeper::DocumentSaved() {
    timer_.stop();
    removeCopy();
}

void RecoveryKeeper::TakeCopyNow() {
    timer_.stop();
    takeCopy();
}

void RecoveryKeeper::takeCopy() {
    if (!store_.IsChanged(doc_)) {
        removeCopy();
        return;
    }
    // The window's thread copies the data; encoding and writing happen on the writer thread.
    auto content = std::make_shared<RecoveryContent>();
    content->DocumentName = doc_.DocumentName;
    content->DocumentUntitled = doc_.DocumentUntitled;
    content->BandRangeText = doc_.BandRangeText;
    content->TakenAt = ReadableTime(LocalNow());
    content->Working = doc_.Working;
    content->Staged = doc_.Staged;
    Writer* target = &writer();
    QMetaObject::invokeMethod(
        target, [target, content] { target->Write(*content); }, Qt::QueuedConnection);
}

void RecoveryKeeper::removeCopy() {
    if (writer_ == nullptr) return;
    Writer* target = writer_;
    QMetaObject::invokeMethod(
        target, [target] { target->Remove(); }, Qt::QueuedConnection);
}

void RecoveryKeeper::WaitForWriter() {
    if (writer_ == nullptr) return;
    QMetaObject::invokeMethod(
        writer_, [] {}, Qt::BlockingQueuedConnection);
}

}  // namespace kv
