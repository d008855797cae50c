// The document store of the application. The data-file, default-data and hand-over code is
// called from here only.
#include "app/ui/data_file_store.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>

#include "files/data_file.h"
#include "files/staging.h"
#include "files/templates.h"
#include "platform/handover.h"
#include "platform/version_file.h"

namespace kv {
namespace {

// This program as installed in the store's program folder: the other versions are looked for
// beside that installation, wherever the running file was started from.
QString OwnProgram(const ProgramFolders& folders) {
    return QDir(folders.Program)
        .filePath(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

}  // namespace

VersionTable LoadInstalledVersions(const ProgramFolders& folders) {
    return LoadVersionTable(folders.versionFile());
}

DataFileStore::DataFileStore(ProgramFolders folders, const VersionTable& versions)
    : folders_(std::move(folders)), versions_(versions) {}

void DataFileStore::BuildStartupDocument(Document& doc) {
    const std::string today =
        QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toStdString();
    BuildNewDocument(doc, folders_.Program.toStdString(), today);
}

void DataFileStore::LoadTemplate(Document& doc, TemplateKind kind) {
    kv::LoadTemplate(doc, folders_.Program.toStdString(), kind);
}

bool DataFileStore::IsChanged(const Document& doc) const {
    return IsDocumentChanged(doc);
}

StoreResult DataFileStore::Save(Document& doc, const std::string& path) {
    const FileResult result = SaveDataFile(doc, path);
    return {result.ok(), result.Message};
}

OpenOutcome DataFileStore::Open(Document& doc, const std::string& path) {
    const FileResult result = OpenDataFile(doc, path, versions_);
    switch (result.Status) {
        case FileStatus::Ok:
            return {OpenOutcome::Kind::Opened, result.Message, {}};
        case FileStatus::IncompatibleVersion:
            return {OpenOutcome::Kind::OtherVersion, result.Message, result.OtherVersion};
        default:
            return {OpenOutcome::Kind::Failed, result.Message, {}};
    }
}

bool DataFileStore::HasOtherVersion(const std::string& otherVersion) const {
    return OtherVersionProgram(versions_, otherVersion, OwnProgram(folders_)).has_value();
}

StoreResult DataFileStore::StartOtherVersion(const std::string& otherVersion) {
    const HandOverResult result =
        kv::StartOtherVersion(versions_, otherVersion, OwnProgram(folders_));
    return {result.started, result.message};
}

}  // namespace kv
