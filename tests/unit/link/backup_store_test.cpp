// Backup images: names, pruning by age with the newest always kept, and keeping a new backup.
#include "link/backup_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <memory>

#include "unit/files/document_samples.h"

namespace kv {
namespace {

constexpr CivilTime kNow{2026, 12, 10, 14, 22, 33, 0};

TEST(BackupStore, NamesCarryDateTimeAndKindAndParseBack) {
    struct Case {
        CivilTime time;
        BackupKind kind;
        int sequence;
        const char* name;
    };
    const Case cases[] = {
        {kNow, BackupKind::Read, 1, "2026-12-10_142233_read.img"},
        {{2027, 1, 2, 3, 4, 5, 0}, BackupKind::Written, 1, "2027-01-02_030405_written.img"},
        {kNow, BackupKind::Written, 3, "2026-12-10_142233-3_written.img"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BackupFileName(c.time, c.kind, c.sequence), c.name);
        const auto parsed = ParseBackupFileName(c.name);
        ASSERT_TRUE(parsed) << c.name;
        EXPECT_EQ(parsed->Time, c.time) << c.name;
        EXPECT_EQ(parsed->Kind, c.kind) << c.name;
        EXPECT_EQ(parsed->Sequence, c.sequence) << c.name;
    }
    for (const char* other : {"notes.txt", "2026-12-10_142233_read.img.tmp",
                              "2026-13-10_142233_read.img", "2026-12-10_142233_copy.img",
                              "2026-12-10_1422_read.img", "2026-12-10_142233-_read.img", ""})
        EXPECT_FALSE(ParseBackupFileName(other)) << other;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// Names of `count` backups, one every seven days going back from `newest`.
std::vector<std::string> WeeklyBackups(int count, CivilTime newest) {
    std::vector<std::string> names;
    CivilTime t = newest;
    for (int i = 0; i < count; ++i) {
        names.push_back(BackupFileName(t, i % 2 ? BackupKind::Written : BackupKind::Read));
        t.Day -= 7;
        if (t.Day < 1) {
            if (--t.Month < 1) t.Month = 12, --t.Year;
            t.Day += DaysInMonth(t.Year, t.Month);
        }
    }
    return names;
}

TEST(BackupStore, PruningKeepsTheNewestFiftyWhateverTheirAge) {
    struct Case {
        const char* what;
        std::vector<std::string> names;
        std::size_t pruned;
    };
    // Weekly backups: about 52 a year.
    const Case cases[] = {
        {"fifty, all older than a year", WeeklyBackups(50, {2020, 1, 28, 0, 0, 0, 0}), 0},
        {"sixty, all older than a year", WeeklyBackups(60, {2020, 1, 28, 0, 0, 0, 0}), 10},
        // The 53rd is 364 days old, the 54th 371.
        {"eighty weekly up to now", WeeklyBackups(80, kNow), 80 - 53},
        {"forty recent", WeeklyBackups(40, kNow), 0},
    };
    for (const Case& c : cases) {
        std::vector<std::string> names = c.names;
        names.push_back("notes.txt");
        names.push_back("2001-01-01_000000_copy.img");
        const std::vector<std::string> pruned = BackupsToPrune(names, kNow);
        EXPECT_EQ(pruned.size(), c.pruned) << c.what;
        // Whatever goes is older than a year and never one of the newest fifty.
        for (const std::string& name : pruned) {
            EXPECT_LT(ParseBackupFileName(name)->Time, OneYearBefore(kNow)) << c.what << name;
            const auto position = std::find(c.names.begin(), c.names.end(), name);
            EXPECT_GE(position - c.names.begin(), 50) << c.what << name;
        }
    }
}

TEST(BackupStore, ExactlyOneYearOldIsKeptOneSecondMoreIsNot) {
    std::vector<std::string> names = WeeklyBackups(50, kNow);
    names.push_back(BackupFileName({2025, 12, 10, 14, 22, 33, 0}, BackupKind::Read));
    names.push_back(BackupFileName({2025, 12, 10, 14, 22, 32, 0}, BackupKind::Read));
    EXPECT_EQ(BackupsToPrune(names, kNow), std::vector<std::string>{"2025-12-10_142232_read.img"});
}

TEST(BackupStore, KeepsNewFilesBesideOldOnesAndPrunesTheFolder) {
    test::TempFolder temp;
    const auto folder = temp.path() / "backups";
    auto image = std::make_unique<MemoryImage>();
    image->put(0x10, 0xAB);

    const KeptBackup first = KeepBackup(folder, *image, BackupKind::Read, kNow);
    const KeptBackup second = KeepBackup(folder, *image, BackupKind::Read, kNow);
    ASSERT_FALSE(first.Path.empty()) << first.Error.en;
    EXPECT_EQ(first.Path.filename(), "2026-12-10_142233_read.img");
    EXPECT_EQ(second.Path.filename(), "2026-12-10_142233-2_read.img");
    EXPECT_EQ(std::filesystem::file_size(first.Path), MemoryImage::size());
    std::ifstream in(first.Path, std::ios::binary);
    in.seekg(0x10);
    EXPECT_EQ(in.get(), 0xAB);

    for (const std::string& name : WeeklyBackups(60, {2024, 1, 28, 0, 0, 0, 0}))
        std::ofstream(folder / name) << "old";
    std::ofstream(folder / "readme.txt") << "not a backup";
    EXPECT_EQ(PruneBackups(folder, kNow), 12u) << "62 backups, the 12 oldest go";
    EXPECT_TRUE(std::filesystem::exists(first.Path));
    EXPECT_TRUE(std::filesystem::exists(folder / "readme.txt"));
    EXPECT_EQ(PruneBackups(temp.path() / "missing", kNow), 0u);
}

TEST(BackupStore, AFolderThatCannotBeMadeIsReported) {
    test::TempFolder temp;
    std::ofstream(temp.path() / "file") << "x";
    auto image = std::make_unique<MemoryImage>();
    const KeptBackup kept =
        KeepBackup(temp.path() / "file" / "backups", *image, BackupKind::Written, kNow);
    EXPECT_TRUE(kept.Path.empty());
    EXPECT_NE(kept.Error.en.find("cannot be created"), std::string::npos) << kept.Error.en;
    EXPECT_FALSE(kept.Error.zh.empty());
}

TEST(BackupStore, OnlyAFileOfTheImageSizeLoadsAsAnImage) {
    test::TempFolder temp;
    struct Case {
        const char* name;
        std::size_t size;  // bytes written; SIZE_MAX for no file at all
        const char* reason;
    };
    const Case cases[] = {
        {"whole.img", MemoryImage::size(), ""},
        {"short.img", MemoryImage::size() - 1,
         "the file has 139776 bytes; a radio image has 139777"},
        {"long.img", MemoryImage::size() + 1,
         "the file has 139778 bytes; a radio image has 139777"},
        {"empty.img", 0, "the file has 0 bytes; a radio image has 139777"},
        {"missing.img", SIZE_MAX, "the file cannot be read"},
    };
    for (const Case& c : cases) {
        const std::string path = temp.file(c.name);
        if (c.size != SIZE_MAX)
            std::ofstream(path, std::ios::binary) << std::string(c.size, '\x5A');
        auto image = std::make_unique<MemoryImage>();
        const std::optional<TextPair> reason = LoadImageFile(path, *image);
        if (*c.reason == '\0') {
            EXPECT_FALSE(reason) << c.name;
            EXPECT_EQ(image->at(0x22200), 0x5A) << c.name;
        } else {
            ASSERT_TRUE(reason) << c.name;
            EXPECT_EQ(reason->en, c.reason);
            EXPECT_FALSE(reason->zh.empty());
            EXPECT_TRUE(*image == MemoryImage()) << c.name << ": unchanged";
        }
    }
}

}  // namespace
}  // namespace kv
