// The document store of the application: data files, templates and the version hand-over of
// the installation in which the program runs.
#pragma once

#include "app/ui/document_store.h"
#include "files/templates.h"
#include "files/version_table.h"
#include "platform/program_folders.h"

namespace kv {

// The installation's version table; an empty table when the version file is missing or unusable.
VersionTable LoadInstalledVersions(const ProgramFolders& folders);

class DataFileStore : public DocumentStore {
public:
    DataFileStore(ProgramFolders folders, const VersionTable& versions);

    void BuildStartupDocument(Document& doc) override;
    void LoadTemplate(Document& doc, TemplateKind kind) override;
    bool IsChanged(const Document& doc) const override;
    StoreResult Save(Document& doc, const std::string& path) override;
    OpenOutcome Open(Document& doc, const std::string& path) override;
    bool HasOtherVersion(const std::string& otherVersion) const override;
    StoreResult StartOtherVersion(const std::string& otherVersion) override;

private:
    ProgramFolders folders_;
    const VersionTable& versions_;
};

}  // namespace kv
