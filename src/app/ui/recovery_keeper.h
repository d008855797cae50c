// Keeps a recovery copy of the document while it has unsaved edits. An edit only starts a timer;
// when it fires (at most a second later) the window's thread takes a copy of the document's data
// and a writer thread encodes it and replaces the copy on the disk, synced. A document that has
// no unsaved edits any more (saved, replaced by New or Open, or undone to its saved state) has
// its copy removed; so does the end of the program, because a clean end loses nothing.
#pragma once

#include <QObject>
#include <QString>
#include <QThread>
#include <QTimer>
#include <chrono>

#include "model/document_edit.h"

namespace kv {

class DocumentEditor;
class DocumentStore;
class OwnRecoveryFile;
struct Document;

class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDelay{1000};

    RecoveryKeeper(const Document& doc, DocumentEditor& editor, const DocumentStore& store,
                   const QString& folder, QObject* parent = nullptr);
    // A clean end: the copy is removed.
    ~RecoveryKeeper() override;

    // The document was saved: its copy goes now.
    void DocumentSaved();
    // Waits until every copy asked for so far is written or removed.
    void WaitForWriter();
    // Takes the copy now instead of when the timer fires.
    void TakeCopyNow();

    QString copyPath() const;
    void setDelay(std::chrono::milliseconds delay) { timer_.setInterval(delay); }

private:
    class Writer;
    void onEdited(const DocumentEdit& edit);
    void takeCopy();
    void removeCopy();
    Writer& writer();

    const Document& doc_;
    const DocumentStore& store_;
    QString folder_;
    QTimer timer_;
    QThread thread_;
    Writer* writer_ = nullptr;  // lives on thread_; made with the first copy
};

}  // namespace kv
