// The save, open and template-load operations on the data file pair.
#include "files/data_file.h"

#include <array>

#include "files/data_file_layout.h"
#include "files/data_file_pair.h"
#include "files/file_io.h"
#include "files/staging.h"
#include "files/used_slots.h"
#include "files/version_mark.h"
#include "model/channel_store.h"

namespace kv {
namespace {

constexpr std::size_t kVersionMarkSize = 4;
// The largest companion file any valid data file calls for.
constexpr std::size_t kCompanionLimit = [] {
    std::size_t records = kCbMemCount;
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= kGroupsPerBand[band]; ++group)
            records += static_cast<std::size_t>(SlotCapacity(band, group));
    return records * kChannelRecordSize;
}();

FileResult Failure(FileStatus status, TextPair message) {
    return {status, std::move(message), {}};
}

// Reads a data file head and its companion into `staged`; false, leaving it as it was, when either
// file cannot be read or the pair is damaged.
bool ReadPair(const std::vector<std::uint8_t>& data, const std::string& path, RadioData& staged) {
    const auto companion = ReadFileHead(CompanionPath(path), kCompanionLimit);
    return companion && DecodePair(data, companion->Bytes, staged);
}

}  // namespace

TextPair FileErrorText() {
    return {"file error.", "文件错误。"};
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
    const std::array<FileContent, 2> files = {
        FileContent{CompanionPath(path), pair.Companion},
        FileContent{path, pair.Data},
    };
    if (!WriteFilesAtomically(files)) return Failure(FileStatus::FileError, FileErrorText());
    AdoptStagedCopy(doc, *staged);
    doc.DocumentName = path;
    doc.DocumentUntitled = false;
    return {};
}

FileResult OpenDataFile(Document& doc, const std::string& path, const VersionTable& table) {
    const auto data = ReadFileHead(path, kConfigRecordSize);
    if (!data || data->Bytes.size() < kVersionMarkSize)
        return Failure(FileStatus::FileError, FileErrorText());

    const std::string mark(data->Bytes.begin(), data->Bytes.begin() + kVersionMarkSize);
    if (!IsValidVersionMark(mark))
        return Failure(FileStatus::UnknownVersion, UnknownDataVersionText());
    if (!IsCompatibleVersion(table, kProgramDataVersion, mark)) {
        return {
            FileStatus::IncompatibleVersion,
            VersionMismatchText(kProgramDataVersion, mark, static_cast<int>(VersionKind::DataFile)),
            mark};
    }
    if (data->Size != kConfigRecordSize)
        return Failure(FileStatus::WrongSize, VersionMissingText());

    if (!ReadPair(data->Bytes, path, doc.Staged))
        return Failure(FileStatus::FileError, FileErrorText());
    doc.Staged.Config.FileVersion.assign(kProgramDataVersion);
    ApplyStagedDocument(doc);
    doc.DocumentName = path;
    doc.DocumentUntitled = false;
    return {};
}

bool LoadTemplateFile(Document& doc, const std::string& path) {
    const auto data = ReadFileHead(path, kConfigRecordSize);
    if (!data || !ReadPair(data->Bytes, path, doc.Staged)) {
        StageDocument(doc);
        return false;
    }
    if (doc.Staged.Config.Settings.GroupName(kBandHf, 1).trimmed().empty()) return false;
    ApplyStagedDocument(doc);
    return true;
}

}  // namespace kv
