// The save, open and template-load operations on the data file pair.
#include "files/data_file.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <optional>

#include "files/companion_extra.h"
#include "files/data_file_layout.h"
#include "files/data_file_pair.h"
#include "files/file_io.h"
#include "files/group_merge.h"
#include "files/staging.h"
#include "files/used_slots.h"
#include "files/version_mark.h"
#include "model/channel_store.h"

namespace kv {
namespace {

constexpr std::size_t kVersionMarkSize = 4;
// The largest companion file any valid data file calls for: every group's count at 99.
constexpr std::size_t kCompanionLimit = [] {
    std::size_t records = kCbMemCount;
    for (int band = 0; band < kBandCount; ++band)
        records += static_cast<std::size_t>(kGroupsPerBand[band]) * kMaxSlot;
    return records * kChannelRecordSize;
}();

// The pair's files in the order a save replaces them: the data file is what a user picks, so it
// appears last.
std::array<std::string, 2> PairFiles(const std::string& path) {
    return {CompanionPath(path), path};
}

FileResult Failure(FileStatus status, TextPair message) {
    return {status, std::move(message), {}};
}

// Reads a data file head and its companion into `staged`; nothing, leaving it as it was, when both
// could be read and the pair is whole; otherwise what failed.
std::optional<FileFailure> ReadPair(const std::vector<std::uint8_t>& data, const std::string& path,
                                    RadioData& staged) {
    FileFailure failure;
    const std::string companionPath = CompanionPath(path);
    const auto companion = ReadFileHead(companionPath, kCompanionLimit, &failure);
    if (!companion) return failure;
    switch (DecodePair(data, companion->Bytes, staged)) {
        case PairProblem::None:
            return std::nullopt;
        case PairProblem::DataDamaged:
            return FileFailure{path, FileFailure::Kind::Damaged, 0};
        case PairProblem::CompanionShort:
            break;
    }
    return FileFailure{companionPath, FileFailure::Kind::TooShort, 0};
}

}  // namespace

TextPair FileFailureReason(const FileFailure& failure) {
    switch (failure.Problem) {
        case FileFailure::Kind::NotRegularFile:
            return {"this is not a regular file", "这不是普通文件"};
        case FileFailure::Kind::TooShort:
            return {"the file is too short", "文件太短"};
        case FileFailure::Kind::Damaged:
            return {"the file is damaged", "文件已损坏"};
        case FileFailure::Kind::ReadOnly:
            return {"the file is read-only", "文件为只读"};
        case FileFailure::Kind::System:
            break;
    }
    switch (failure.Error) {
        case ENOENT:
            return {"the file or its folder does not exist", "文件或其文件夹不存在"};
        case EACCES:
        case EPERM:
            return {"permission denied", "没有权限"};
        case EISDIR:
            return {"this is a folder", "这是一个文件夹"};
        case ENOSPC:
        case EDQUOT:
            return {"the disk is full", "磁盘已满"};
        case EROFS:
            return {"the disk is read-only", "磁盘为只读"};
        case EFBIG:
            return {"the file is too large", "文件太大"};
        default:
            break;
    }
    const std::string system = std::strerror(failure.Error);
    return {system, system};
}

TextPair FileErrorText() {
    return {"file error.", "文件错误。"};
}

TextPair FileErrorText(const FileFailure& failure) {
    const TextPair head = FileErrorText();
    const TextPair reason = FileFailureReason(failure);
    return {head.en + "\n" + failure.Path + ": " + reason.en,
            head.zh + "\n" + failure.Path + "：" + reason.zh};
}

FileResult SaveDataFile(Document& doc, const std::string& path) {
    // A pair whose companion path is the data file itself could never be read back, and counts the
    // store cannot hold would write a file that is refused when opened.
    if (CompanionPath(path) == path || !CountsFit(doc.Working.Config))
        return Failure(FileStatus::FileError, FileErrorText());
    // The document is staged only once both files are in place: a failed save must leave it
    // counting as changed, or the next Exit, Open or New would drop the edits without asking.
    const std::unique_ptr<RadioData> staged = StagedCopy(doc);
    const PairBytes pair = EncodePair(*staged);
    // The companion goes first: the data file is what a user picks, so it appears last.
    const auto names = PairFiles(path);
    const std::array<FileContent, 2> files = {
        FileContent{names[0], pair.Companion},
        FileContent{names[1], pair.Data},
    };
    FileFailure failure;
    if (!WriteFilesAtomically(files, &failure))
        return Failure(FileStatus::FileError, FileErrorText(failure));
    AdoptStagedCopy(doc, *staged);
    doc.DocumentName = path;
    doc.DocumentUntitled = false;
    return {};
}

FileResult OpenDataFile(Document& doc, const std::string& path, const VersionTable& table) {
    // A save killed half-way must not be read as a pair of one new and one old file.
    RecoverInterruptedReplacement(PairFiles(path));
    FileFailure failure;
    const auto data = ReadFileHead(path, kConfigRecordSize, &failure);
    if (!data) return Failure(FileStatus::FileError, FileErrorText(failure));
    if (data->Bytes.size() < kVersionMarkSize) {
        return Failure(FileStatus::FileError,
                       FileErrorText({path, FileFailure::Kind::TooShort, 0}));
    }

    const std::string mark(data->Bytes.begin(), data->Bytes.begin() + kVersionMarkSize);
    if (!IsValidVersionMark(mark))
        return Failure(FileStatus::UnknownVersion, UnknownDataVersionText());
    if (!IsCompatibleVersion(table, kProgramDataVersion, mark)) {
        return {
            FileStatus::IncompatibleVersion,
            VersionMismatchText(kProgramDataVersion, mark, static_cast<int>(VersionKind::DataFile)),
            mark};
    }
    if (data->Size != kConfigRecordSize) {
        // The earlier program's fixed text, and a line that says what is actually wrong.
        const TextPair fixed = VersionMissingText();
        const std::string found = std::to_string(data->Size);
        const std::string expected = std::to_string(kConfigRecordSize);
        return Failure(
            FileStatus::WrongSize,
            {fixed.en + "\nThe file holds " + found + " bytes; a data file holds " + expected +
                 " bytes.",
             fixed.zh + "\n该文件有 " + found + " 字节；数据文件应为 " + expected + " 字节。"});
    }

    if (const auto pairFailure = ReadPair(data->Bytes, path, doc.Staged))
        return Failure(FileStatus::FileError, FileErrorText(*pairFailure));
    doc.Staged.Config.FileVersion.assign(kProgramDataVersion);
    ApplyStagedDocument(doc);
    doc.DocumentName = path;
    doc.DocumentUntitled = false;
    // Merged in the working data only: the staging copy keeps the file, so the document counts
    // as changed (a save writes it differently).
    const GroupMergeCount merged = MergeOverfullGroups(doc.Working);
    FileResult result;
    if (merged.any()) result.Message = MergedGroupsText(merged);
    if (const auto extra = CompanionExtraText(path, doc.Staged.Config))
        result.Message = result.Message.empty() ? *extra
                                                : TextPair{result.Message.en + "\n" + extra->en,
                                                           result.Message.zh + "\n" + extra->zh};
    return result;
}

bool LoadTemplateFile(Document& doc, const std::string& path) {
    const auto data = ReadFileHead(path, kConfigRecordSize);
    if (!data || ReadPair(data->Bytes, path, doc.Staged)) {
        StageDocument(doc);
        return false;
    }
    if (doc.Staged.Config.Settings.GroupName(kBandHf, 1).trimmed().empty()) return false;
    ApplyStagedDocument(doc);
    return true;
}

}  // namespace kv
