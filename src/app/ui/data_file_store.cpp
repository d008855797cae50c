// The document store of the application. The data-file, default-data and hand-over code is
// called from here only.
#include "app/ui/data_file_store.h"

#include <QCoreApplication>

#include "app/shared_messages.h"
#include "platform/handover.h"

namespace kv {

VersionTable LoadInstalledVersions(const ProgramFolders&) {
    return {};
}

DataFileStore::DataFileStore(ProgramFolders folders, const VersionTable& versions)
    : folders_(std::move(folders)), versions_(versions) {}

void DataFileStore::BuildStartupDocument(Document& doc) {
    doc.Staged = doc.Working;
}

void DataFileStore::LoadTemplate(Document&, NewDocumentTemplate) {}

bool DataFileStore::IsChanged(const Document& doc) const {
    return !(doc.Working.Config == doc.Staged.Config);
}

StoreResult DataFileStore::Save(Document&, const std::string&) {
    return {false, SharedMessages().FileError};
}

OpenOutcome DataFileStore::Open(Document&, const std::string&) {
    return {OpenOutcome::Kind::Failed, SharedMessages().FileError, {}};
}

StoreResult DataFileStore::StartOtherVersion(const std::string& otherVersion) {
    const HandOverResult result =
        kv::StartOtherVersion(versions_, otherVersion, QCoreApplication::applicationFilePath());
    return {result.started, result.message};
}

}  // namespace kv
