// write --port PORT [--port PORT ...] IN [--verify] [--strict] [--backup FILE|DIR]: a raw image
// (.img) or a data file pair written to one radio or to several at the same time; with --backup
// each radio is read first and its image kept (in FILE, or with several ports one file per port
// in the folder DIR), with --verify it is read back afterwards and every block of the transfer map
// compared. The check before writing prints what it finds first; with --strict a finding refuses
// the write.
#include <QDateTime>
#include <QFileInfo>
#include <iostream>

#include "app/write_checks.h"
#include "cli_link.h"
#include "cli_support.h"
#include "codec/image_codec.h"
#include "command.h"
#include "output_guard.h"
#include "write_jobs.h"

namespace kv::cli {
namespace {

// The document as the radio would receive it: an image is decoded as a read decodes it.
std::unique_ptr<Document> DocumentToWrite(const std::string& path,
                                          std::unique_ptr<MemoryImage>& image) {
    if (!IsImageFileName(path)) {
        auto doc = OpenPair(path);
        if (!doc) return nullptr;
        image = std::make_unique<MemoryImage>();
        EncodeImage(doc->Working, *image, SystemCodec());
        return doc;
    }
    image = ReadImage(path);
    if (!image) return nullptr;
    auto doc = std::make_unique<Document>();
    DecodeImage(*image, doc->Working, SystemCodec());
    return doc;
}

// Prints the findings on standard error; true when there are none.
bool PrintFindings(const Document& doc) {
    // Offline the command line cannot know whether the radio has the HF option.
    const std::vector<WriteFinding> findings = CheckBeforeWriting(doc, false);
    if (findings.empty()) return true;
    std::cerr << WriteCheckHead().en << '\n';
    for (const WriteFinding& finding : findings) std::cerr << "  " << finding.Line.en << '\n';
    return false;
}

// Why the one radio's backup could not be kept in `file`, found before the radio is read: a
// folder, a folder that is missing or cannot be written, a read-only file.
std::optional<std::string> BackupFileRefused(const std::string& file) {
    if (file.empty()) return std::nullopt;
    const QFileInfo info(QString::fromStdString(file));
    if (info.isDir()) return "is a folder; with one port --backup names a file";
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir()) return "its folder does not exist";
    if (!folder.isWritable()) return "its folder cannot be written";
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner)) return "is read-only";
    return std::nullopt;
}

// The radios to write and where each one's backup goes; with several ports --backup names a
// folder that must exist and be writable. Prints a usage error and returns nothing otherwise.
std::optional<std::vector<WriteTarget>> WriteTargets(const LinkArguments& link) {
    std::vector<WriteTarget> targets;
    if (link.ports.size() == 1) {
        if (const auto refused = BackupFileRefused(link.backup)) {
            std::cerr << "kv7700-cli: --backup " << link.backup << ": " << *refused << '\n';
            return std::nullopt;
        }
        targets.push_back({link.port, link.backup});
        return targets;
    }
    const QFileInfo folder(QString::fromStdString(link.backup));
    if (!link.backup.empty() && (!folder.isDir() || !folder.isWritable())) {
        std::cerr << "kv7700-cli: with several ports --backup names a folder that can be written: "
                  << link.backup << '\n';
        return std::nullopt;
    }
    const std::string stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    std::set<std::string> taken;
    for (const std::string& port : link.ports) {
        targets.push_back({port, link.backup.empty()
                                     ? std::string()
                                     : BackupFileInFolder(link.backup, port, stamp, taken)});
    }
    return targets;
}

}  // namespace

int RunWrite(Arguments arguments) {
    const std::optional<LinkArguments> link = ParseLinkArguments(arguments, true);
    if (!link) return kExitUsage;
    const auto targets = WriteTargets(*link);
    if (!targets) return kExitUsage;
    std::vector<CommandFile> backups;
    for (const WriteTarget& target : *targets)
        if (!target.backupFile.empty()) backups.push_back({target.backupFile});
    if (const auto refused = OutputOverwritesInput(backups, {DocumentFile(link->file)}))
        return *refused;
    std::unique_ptr<MemoryImage> image;
    const auto doc = DocumentToWrite(link->file, image);
    if (!doc) return kExitFailure;
    if (!PrintFindings(*doc) && link->strict) return Fail(WriteCheckRefused().en);
    return RunWriteJobs(*targets, *image, link->verify) ? kExitOk : kExitFailure;
}

}  // namespace kv::cli
