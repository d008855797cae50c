// Naming, keeping and pruning backup images.
#include "link/backup_store.h"

#include <algorithm>
#include <cctype>
#include <span>
#include <system_error>

#include "files/data_file.h"
#include "files/file_io.h"
#include "files/safe_save.h"
#include "link/safety_texts.h"

namespace kv {
namespace {

constexpr const char* kImageExtension = ".img";

// Digits at `text[from, from + count)` as a number; -1 when any is not a digit.
int Digits(const std::string& text, std::size_t from, std::size_t count) {
    if (from + count > text.size()) return -1;
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool Newer(const BackupName& a, const BackupName& b) {
    if (a.Time != b.Time) return a.Time > b.Time;
    return a.Sequence > b.Sequence;
}

}  // namespace

const char* BackupKindName(BackupKind kind) {
    return kind == BackupKind::Written ? "written" : "read";
}

std::string BackupFileName(const CivilTime& time, BackupKind kind, int sequence) {
    std::string name = StampText(time);
    if (sequence > 1) name += "-" + std::to_string(sequence);
    return name + "_" + BackupKindName(kind) + kImageExtension;
}

std::optional<BackupName> ParseBackupFileName(const std::string& name) {
    // YYYY-MM-DD_HHMMSS[-N]_kind.img
    BackupName parsed;
    CivilTime& t = parsed.Time;
    t.Year = Digits(name, 0, 4);
    t.Month = Digits(name, 5, 2);
    t.Day = Digits(name, 8, 2);
    t.Hour = Digits(name, 11, 2);
    t.Minute = Digits(name, 13, 2);
    t.Second = Digits(name, 15, 2);
    if (name.size() < 17 || name[4] != '-' || name[7] != '-' || name[10] != '_' || t.Year < 0 ||
        t.Month < 1 || t.Month > 12 || t.Day < 1 || t.Day > 31 || t.Hour < 0 || t.Hour > 23 ||
        t.Minute < 0 || t.Minute > 59 || t.Second < 0 || t.Second > 60)
        return std::nullopt;
    std::size_t at = 17;
    if (at < name.size() && name[at] == '-') {
        std::size_t end = at + 1;
        while (end < name.size() && std::isdigit(static_cast<unsigned char>(name[end]))) ++end;
        if (end == at + 1 || end - at > 6) return std::nullopt;
        parsed.Sequence = Digits(name, at + 1, end - at - 1);
        at = end;
    }
    for (BackupKind kind : {BackupKind::Read, BackupKind::Written}) {
        if (name.compare(at, std::string::npos,
                         std::string("_") + BackupKindName(kind) + kImageExtension) == 0) {
            parsed.Kind = kind;
            return parsed;
        }
    }
    return std::nullopt;
}

std::vector<std::string> BackupsToPrune(const std::vector<std::string>& names,
                                        const CivilTime& now) {
    std::vector<std::pair<BackupName, std::string>> backups;
    for (const std::string& name : names)
        if (auto parsed = ParseBackupFileName(name)) backups.emplace_back(*parsed, name);
    std::sort(backups.begin(), backups.end(),
              [](const auto& a, const auto& b) { return Newer(a.first, b.first); });
    const CivilTime cutoff = OneYearBefore(now);
    std::vector<std::string> prune;
    for (std::size_t i = kBackupsAlwaysKept; i < backups.size(); ++i)
        if (backups[i].first.Time < cutoff) prune.push_back(backups[i].second);
    return prune;
}

std::size_t PruneBackups(const std::filesystem::path& folder, const CivilTime& now) {
    std::error_code error;
    std::vector<std::string> names;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error))
        if (it->is_regular_file(error)) names.push_back(it->path().filename().string());
    std::size_t removed = 0;
    for (const std::string& name : BackupsToPrune(names, now))
        if (std::filesystem::remove(folder / name, error)) ++removed;
    return removed;
}

KeptBackup KeepBackup(const std::filesystem::path& folder, const MemoryImage& image,
                      BackupKind kind, const CivilTime& now) {
    KeptBackup kept;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        kept.Error = {
            "The backup folder " + folder.string() + " cannot be created: " + error.message(),
            "无法创建备份文件夹 " + folder.string() + "：" + error.message()};
        return kept;
    }
    std::filesystem::path path;
    for (int sequence = 1;; ++sequence) {
        path = folder / BackupFileName(now, kind, sequence);
        if (!std::filesystem::exists(path, error)) break;
    }
    if (const std::optional<FileFailure> failure = SaveFileSafely(
            path.string(), std::span<const std::uint8_t>(image.data(), image.size()))) {
        const TextPair reason = FileFailureReason(*failure);
        kept.Error = {"The backup " + path.string() + " cannot be written: " + reason.en + ".",
                      "无法写入备份 " + path.string() + "：" + reason.zh + "。"};
        return kept;
    }
    kept.Path = path;
    return kept;
}

std::optional<TextPair> LoadImageFile(const std::string& path, MemoryImage& image) {
    const std::optional<FileHead> head = ReadFileHead(path, MemoryImage::size());
    if (!head) return UnreadableImageReason();
    if (head->Size != MemoryImage::size()) return WrongImageSizeReason(head->Size);
    std::copy(head->Bytes.begin(), head->Bytes.end(), image.data());
    return std::nullopt;
}

}  // namespace kv
