// What the main window asks of the data files, the default data and the version hand-over. The
// application uses DataFileStore; tests give their own to drive every outcome.
#pragma once

#include <string>

#include "files/templates.h"
#include "model/document.h"
#include "model/text_pair.h"

namespace kv {

struct StoreResult {
    bool Ok = true;
    TextPair Message;  // shown with an OK button when not Ok
};

struct OpenOutcome {
    enum class Kind {
        Opened,        // the file is the working document now
        Failed,        // nothing loaded; Message says why
        OtherVersion,  // another program version fits the file; Message is the question
    };
    Kind Result = Kind::Failed;
    TextPair Message;          // Opened: a notice to show once, or empty
    std::string OtherVersion;  // the file's version mark, for the hand-over
};

class DocumentStore {
public:
    virtual ~DocumentStore() = default;
    // Built-in defaults, then the start-up template; the result counts as unchanged.
    virtual void BuildStartupDocument(Document& doc) = 0;
    // Lays the template over the working data; a missing or unusable template changes nothing.
    virtual void LoadTemplate(Document& doc, TemplateKind kind) = 0;
    virtual bool IsChanged(const Document& doc) const = 0;
    // Writes the document to `path`. The caller sets DocumentName on success.
    virtual StoreResult Save(Document& doc, const std::string& path) = 0;
    virtual OpenOutcome Open(Document& doc, const std::string& path) = 0;
    // True when a program version that fits `otherVersion` is installed to be started.
    virtual bool HasOtherVersion(const std::string& otherVersion) const = 0;
    // Starts the program version that fits `otherVersion`. Ok means this process should end now.
    virtual StoreResult StartOtherVersion(const std::string& otherVersion) = 0;
};

}  // namespace kv
