#include "files/data_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>

#include "document_samples.h"
#include "files/data_file_pair.h"
#include "files/staging.h"
#include "unprivileged.h"

namespace kv {
namespace {

namespace fs = std::filesystem;
using test::RandomDocument;
using test::TempFolder;
using Bytes = std::vector<std::uint8_t>;

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

VersionTable ListingV100() {
    VersionTable table;
    table.Pairs = {{"V100", "V100"}};
    return table;
}

std::size_t FilesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(DataFile, SaveThenOpenGivesBackEveryByte) {
    TempFolder folder;
    for (unsigned seed : {1u, 2u, 3u}) {
        auto saved = RandomDocument(seed);
        const std::string a = folder.file("a.dat");
        ASSERT_TRUE(SaveDataFile(*saved, a).ok());
        EXPECT_EQ(saved->DocumentName, a);
        EXPECT_FALSE(saved->DocumentUntitled);
        EXPECT_FALSE(IsDocumentChanged(*saved)) << "a save stages the document";

        auto opened = std::make_unique<Document>();
        ASSERT_TRUE(OpenDataFile(*opened, a, ListingV100()).ok());
        test::ExpectSamePairData(saved->Working, opened->Working);
        EXPECT_FALSE(IsDocumentChanged(*opened));
        EXPECT_EQ(opened->DocumentName, a);
        EXPECT_FALSE(opened->DocumentUntitled);
        EXPECT_EQ(opened->BandRangeText, BandRangeTextFor(saved->Working.Config.BandMode));
        EXPECT_EQ(opened->Radio.FirmwareVersion, "V100");

        const std::string b = folder.file("b.dat");
        ASSERT_TRUE(SaveDataFile(*opened, b).ok());
        EXPECT_EQ(ReadBytes(a), ReadBytes(b));
        EXPECT_EQ(ReadBytes(folder.file("a.fre")), ReadBytes(folder.file("b.fre")));
    }
}

TEST(DataFile, SaveSetsIdentityAndVersionMark) {
    TempFolder folder;
    auto doc = RandomDocument(4);
    doc->Radio.ExpectedModel = "  TALVEN5 ";
    doc->BandRangeText = "24.7150 - 30.1050 MHz";
    ASSERT_TRUE(SaveDataFile(*doc, folder.file("a.dat")).ok());
    const Bytes data = ReadBytes(folder.file("a.dat"));
    ASSERT_EQ(data.size(), 2885u);
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 4), (Bytes{'V', '1', '0', '0'}));
    EXPECT_EQ(std::string(data.begin() + 216, data.begin() + 227),
              std::string("TALVEN5\xF8\0\0\0", 11));
    EXPECT_EQ(std::string(data.begin() + 240, data.begin() + 246), "TALVEN");
    EXPECT_EQ(doc->Radio.ExpectedModel, "TALVEN5");

    doc->BandRangeText = "28.0000 - 29.6950 MHz";
    ASSERT_TRUE(SaveDataFile(*doc, folder.file("a.dat")).ok());
    EXPECT_EQ(ReadBytes(folder.file("a.dat"))[225], 1) << "IdentRangeClass";
}

TEST(DataFile, CompanionHoldsUsedSlotsThenMemories) {
    TempFolder folder;
    auto doc = std::make_unique<Document>();
    ASSERT_TRUE(SaveDataFile(*doc, folder.file("empty.dat")).ok());
    EXPECT_EQ(fs::file_size(folder.file("empty.dat")), 2885u);
    EXPECT_EQ(fs::file_size(folder.file("empty.fre")), 96u * 70);

    doc->Working.channelCount(0, 3) = 80;
    doc->Working.channelCount(1, 17) = 1;
    doc->Working.channelCount(2, 13) = 2;
    doc->Working.channel(2, 2, 13).ChNo = 0x0605;  // the last used slot
    doc->Working.Store.cbMem(1).ChNo = 0x0807;
    ASSERT_TRUE(SaveDataFile(*doc, folder.file("some.dat")).ok());
    const Bytes companion = ReadBytes(folder.file("some.fre"));
    ASSERT_EQ(companion.size(), (83u + 96) * 70);
    EXPECT_EQ(companion[82 * 70], 0x05);
    EXPECT_EQ(companion[83 * 70], 0x07);
}

// Damaged pairs: each is refused with its message and the document keeps everything it held. A
// "file error." names on a second line the file that failed and why.
TEST(DataFile, DamagedPairsAreRefusedWithoutChangingTheDocument) {
    struct Case {
        const char* what;
        std::function<void(const std::string& dat, const std::string& fre)> damage;
        FileStatus status;
        std::string message;  // the whole message, or the first line of a file error
        bool onCompanion;     // a file error: the companion failed rather than the data file
        std::string reason;   // a file error: the reason after the path
    };
    auto patchData = [](std::size_t offset, Bytes bytes) {
        return [=](const std::string& dat, const std::string&) {
            Bytes data = ReadBytes(dat);
            std::copy(bytes.begin(), bytes.end(), data.begin() + offset);
            WriteBytes(dat, data);
        };
    };
    auto resize = [](bool data, std::ptrdiff_t delta) {
        return [=](const std::string& dat, const std::string& fre) {
            const std::string& path = data ? dat : fre;
            fs::resize_file(path, static_cast<std::uintmax_t>(
                                      static_cast<std::ptrdiff_t>(fs::file_size(path)) + delta));
        };
    };
    const std::string fileError = "file error.";
    const std::string wrongSize = "Fail to start the software. This version does not exist.";
    const std::string missing = "the file or its folder does not exist";
    const Case cases[] = {
        {"missing data file", [](const std::string& dat, const std::string&) { fs::remove(dat); },
         FileStatus::FileError, fileError, false, missing},
        {"data file is a named pipe",
         [](const std::string& dat, const std::string&) {
             fs::remove(dat);
             ::mkfifo(dat.c_str(), 0600);
         },
         FileStatus::FileError, fileError, false, "this is not a regular file"},
        {"data file of 3 bytes",
         [](const std::string& dat, const std::string&) { fs::resize_file(dat, 3); },
         FileStatus::FileError, fileError, false, "the file is too short"},
        {"short data file", resize(true, -1), FileStatus::WrongSize,
         wrongSize + "\nThe file holds 2884 bytes; a data file holds 2885 bytes."},
        {"long data file", resize(true, +1), FileStatus::WrongSize,
         wrongSize + "\nThe file holds 2886 bytes; a data file holds 2885 bytes."},
        {"small v", patchData(0, {'v'}), FileStatus::UnknownVersion,
         "Unknown version Of DataFile!"},
        {"letter in number", patchData(3, {'X'}), FileStatus::UnknownVersion,
         "Unknown version Of DataFile!"},
        {"unlisted mark", patchData(0, {'V', '1', '0', '1'}), FileStatus::IncompatibleVersion,
         "incompatible version. It may cause unknown error.To start the corresponding software "
         "version, or not?\r\nDataFile version is V1.01\r\nprogramming software is V1.00"},
        {"count above the store's 99 slots", patchData(114 + 2 * (3 * 2 + 0), {100, 0}),
         FileStatus::FileError, fileError, false, "the file is damaged"},
        {"negative count", patchData(114 + 2 * 4, {0xFF, 0xFF}), FileStatus::FileError, fileError,
         false, "the file is damaged"},
        {"short companion", resize(false, -1), FileStatus::FileError, fileError, true,
         "the file is too short"},
        {"missing companion", [](const std::string&, const std::string& fre) { fs::remove(fre); },
         FileStatus::FileError, fileError, true, missing},
        {"companion is a folder",
         [](const std::string&, const std::string& fre) {
             fs::remove(fre);
             fs::create_directory(fre);
         },
         FileStatus::FileError, fileError, true, "this is not a regular file"},
    };
    TempFolder folder;
    auto source = RandomDocument(5);
    source->Working.channelCount(0, 3) = 80;
    source->Working.channelCount(1, 17) = 1;
    auto doc = RandomDocument(6);
    StageDocument(*doc);
    doc->Working.Config.Settings.Squelch ^= 1;  // working and staged differ: both must survive
    for (const auto& c : cases) {
        const std::string dat = folder.file(std::string(c.what) + ".dat");
        const std::string fre = CompanionPath(dat);
        ASSERT_TRUE(SaveDataFile(*source, dat).ok());
        c.damage(dat, fre);
        const auto before = std::make_unique<Document>(*doc);
        const FileResult result = OpenDataFile(*doc, dat, ListingV100());
        EXPECT_EQ(result.Status, c.status) << c.what;
        if (c.status == FileStatus::FileError) {
            const std::string failed = c.onCompanion ? fre : dat;
            EXPECT_EQ(result.Message.en, c.message + "\n" + failed + ": " + c.reason) << c.what;
            EXPECT_EQ(result.Message.zh.rfind("文件错误。\n" + failed + "：", 0), 0u) << c.what;
        } else {
            EXPECT_EQ(result.Message.en, c.message) << c.what;
        }
        if (c.status == FileStatus::WrongSize) {
            EXPECT_EQ(result.Message.zh.substr(result.Message.zh.find('\n')),
                      "\n该文件有 " + std::to_string(fs::file_size(dat)) +
                          " 字节；数据文件应为 2885 字节。")
                << c.what;
        }
        EXPECT_TRUE(test::SameData(doc->Working, before->Working)) << c.what;
        EXPECT_TRUE(test::SameData(doc->Staged, before->Staged)) << c.what;
        EXPECT_EQ(doc->DocumentName, before->DocumentName) << c.what;
        EXPECT_EQ(doc->DocumentUntitled, before->DocumentUntitled) << c.what;
        EXPECT_EQ(doc->BandRangeText, before->BandRangeText) << c.what;
    }
}

TEST(DataFile, IncompatibleVersionCarriesTheMarkInBothLanguages) {
    TempFolder folder;
    auto doc = std::make_unique<Document>();
    ASSERT_TRUE(SaveDataFile(*doc, folder.file("a.dat")).ok());
    VersionTable table;
    table.Pairs = {{"V100", "V101"}};
    const FileResult result = OpenDataFile(*doc, folder.file("a.dat"), table);
    EXPECT_EQ(result.Status, FileStatus::IncompatibleVersion);
    EXPECT_EQ(result.OtherVersion, "V100") << "a file marked V100 still needs its pair";
    EXPECT_EQ(result.Message.zh,
              "版本不兼容，有可能引起未知错误，是否启动对应版本软件？\r\n数据文件版本为 V1.00\r\n"
              "写频软件版本为 V1.00");
    EXPECT_EQ(OpenDataFile(*doc, folder.file("a.dat"), VersionTable{}).Status,
              FileStatus::IncompatibleVersion);
}

// A save that fails at any step leaves the pair on the disk as it was, and the document as it
// was: its name, and its unsaved changes still counting as changes.
class AtomicSave : public ::testing::Test {
protected:
    void SetUp() override {
        old_ = RandomDocument(7);
        ASSERT_TRUE(SaveDataFile(*old_, dat_).ok());
        oldData_ = ReadBytes(dat_);
        oldCompanion_ = ReadBytes(fre_);
        doc_ = RandomDocument(8);
        doc_->Working.channelCount(1, 16) = 99;  // a companion well above 8000 bytes
        doc_->DocumentName = "new.dat";
        StageDocument(*doc_);
        ++doc_->settings().Squelch;  // the edit a failed save must not make look saved
    }

    // True when the save failed with "file error." and left the document as it was.
    bool SaveFailsKeepingTheDocument() {
        const FileResult result = SaveDataFile(*doc_, dat_);
        return result.Status == FileStatus::FileError &&
               result.Message.en.rfind("file error.\n", 0) == 0 &&
               result.Message.zh.rfind("文件错误。\n", 0) == 0 && doc_->DocumentName == "new.dat" &&
               doc_->DocumentUntitled && IsDocumentChanged(*doc_);
    }

    // Both files of the old pair are still there with their old bytes, and nothing else.
    void ExpectOldPairKept() {
        ASSERT_TRUE(fs::is_regular_file(dat_));
        ASSERT_TRUE(fs::is_regular_file(fre_));
        EXPECT_EQ(ReadBytes(dat_), oldData_);
        EXPECT_EQ(ReadBytes(fre_), oldCompanion_);
        EXPECT_EQ(FilesIn(folder_.path()), 2u) << "no temporary or backup file is left behind";
    }

    void ExpectFailedSaveKeptEverything() {
        EXPECT_TRUE(SaveFailsKeepingTheDocument());
        ExpectOldPairKept();
    }

    TempFolder folder_;
    std::string dat_ = folder_.file("a.dat");
    std::string fre_ = folder_.file("a.fre");
    std::unique_ptr<Document> old_;
    std::unique_ptr<Document> doc_;
    Bytes oldData_;
    Bytes oldCompanion_;
};

TEST_F(AtomicSave, CompanionWriteFailure) {
    // The file size limit lets the data file through and stops the companion half way.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = saved;
    limit.rlim_cur = 8000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    ExpectFailedSaveKeptEverything();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
}

TEST_F(AtomicSave, FolderWhereTheCompanionGoes) {
    fs::remove(fre_);
    fs::create_directory(fre_);
    EXPECT_TRUE(SaveFailsKeepingTheDocument());
    EXPECT_TRUE(fs::is_directory(fre_));
    EXPECT_EQ(ReadBytes(dat_), oldData_);
    EXPECT_EQ(FilesIn(folder_.path()), 2u);
}

TEST_F(AtomicSave, FolderWhereTheDataFileGoesRestoresTheCompanion) {
    fs::remove(dat_);
    fs::create_directory(dat_);
    EXPECT_TRUE(SaveFailsKeepingTheDocument());
    EXPECT_TRUE(fs::is_directory(dat_));
    EXPECT_EQ(ReadBytes(fre_), oldCompanion_) << "the companion renamed first is put back";
    EXPECT_EQ(FilesIn(folder_.path()), 2u);
}

TEST_F(AtomicSave, ReadOnlyFolder) {
    // Readable and enterable by everybody, writable by nobody but root.
    fs::permissions(folder_.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                        fs::perms::group_read | fs::perms::group_exec |
                                        fs::perms::others_read | fs::perms::others_exec);
    EXPECT_TRUE(test::RunUnprivileged([this] { return SaveFailsKeepingTheDocument(); }));
    ExpectOldPairKept();
}

TEST_F(AtomicSave, SuccessReplacesBothFiles) {
    ASSERT_TRUE(SaveDataFile(*doc_, dat_).ok());
    EXPECT_NE(ReadBytes(dat_), oldData_);
    EXPECT_EQ(fs::file_size(fre_), (CompanionRecordCount(doc_->Staged.Config)) * 70);
    EXPECT_EQ(FilesIn(folder_.path()), 2u);
}

// A pair its owner made read-only (as `chmod 444` does) is refused with the file's name, by root
// as well as by the user, and stays exactly as it was, bits included.
TEST_F(AtomicSave, ReadOnlyFileIsRefusedEvenForRoot) {
    struct Case {
        const char* file;
        fs::perms perms;
        bool asUser;
    };
    const fs::perms r444 = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const fs::perms r466 = fs::perms::owner_read | fs::perms::group_read | fs::perms::group_write |
                           fs::perms::others_read | fs::perms::others_write;
    const Case cases[] = {
        {"a.dat", r444, false},
        {"a.fre", r444, false},
        {"a.dat", r444, true},
        {"a.fre", r466, false},  // writable by others is still read-only for its owner
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + (c.asUser ? " as a user" : " as this process"));
        const std::string path = folder_.file(c.file);
        fs::permissions(path, c.perms);
        // The folder lets anybody replace files in it, so only the file's own bits refuse.
        fs::permissions(folder_.path(), fs::perms::all);
        const auto check = [&] {
            const FileResult result = SaveDataFile(*doc_, dat_);
            return SaveFailsKeepingTheDocument() &&
                   result.Message.en == "file error.\n" + path + ": the file is read-only" &&
                   result.Message.zh == "文件错误。\n" + path + "：文件为只读";
        };
        EXPECT_TRUE(c.asUser ? test::RunUnprivileged(check) : check());
        ExpectOldPairKept();
        EXPECT_EQ(fs::status(path).permissions(), c.perms);
        fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    }
}

// A replaced file keeps its permission bits and its group; a hard link to it keeps the old
// contents, because the save puts a new file in its place.
TEST_F(AtomicSave, ReplacedFilesKeepTheirBitsAndGroup) {
    const mode_t modes[] = {0600, 0640, 0664, 0755, 02660};
    const gid_t group = test::kUnprivilegedId;
    ASSERT_EQ(::chown(fre_.c_str(), static_cast<uid_t>(-1), group), 0);
    const std::string hard = folder_.file("hard.dat");
    fs::create_hard_link(dat_, hard);
    for (const mode_t mode : modes) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(::chmod(dat_.c_str(), mode), 0);
        ASSERT_EQ(::chmod(fre_.c_str(), mode), 0);
        ++doc_->settings().Squelch;
        ASSERT_TRUE(SaveDataFile(*doc_, dat_).ok());
        struct stat data {};
        struct stat companion {};
        ASSERT_EQ(::stat(dat_.c_str(), &data), 0);
        ASSERT_EQ(::stat(fre_.c_str(), &companion), 0);
        EXPECT_EQ(data.st_mode & 07777, mode);
        EXPECT_EQ(companion.st_mode & 07777, mode);
        EXPECT_EQ(companion.st_gid, group);
        EXPECT_NE(ReadBytes(dat_), oldData_);
    }
    EXPECT_EQ(ReadBytes(hard), oldData_);
}

// A pair reached through symbolic links is saved into the files the links lead to, in their own
// folder; the links stay links. A link to a file not yet there creates that file.
TEST_F(AtomicSave, SymbolicLinksAreFollowed) {
    struct Case {
        const char* dataLink;
        const char* companionLink;
        const char* data;  // where the data file ends up, from the folder
        const char* companion;
    };
    const Case cases[] = {
        {"../a.dat", "../a.fre", "a.dat", "a.fre"},
        {"chain.dat", "../a.fre", "a.dat", "a.fre"},  // a link to a link
        {"../b.dat", "../b.fre", "b.dat", "b.fre"},   // not there yet
    };
    const fs::path links = folder_.path() / "links";
    fs::create_directory(links);
    fs::create_symlink("../a.dat", links / "chain.dat");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dataLink);
        fs::create_symlink(c.dataLink, links / "link.dat");
        fs::create_symlink(c.companionLink, links / "link.fre");
        ++doc_->settings().Squelch;
        ASSERT_TRUE(SaveDataFile(*doc_, (links / "link.dat").string()).ok());
        EXPECT_TRUE(fs::is_symlink(links / "link.dat"));
        EXPECT_TRUE(fs::is_symlink(links / "link.fre"));
        const Bytes saved = ReadBytes(folder_.file(c.data));
        EXPECT_EQ(saved.size(), 2885u);
        EXPECT_NE(saved, oldData_);
        EXPECT_EQ(fs::file_size(folder_.file(c.companion)),
                  CompanionRecordCount(doc_->Staged.Config) * 70);
        EXPECT_EQ(fs::path(FollowLinks((links / "link.dat").string())).lexically_normal(),
                  fs::path(folder_.file(c.data)));
        auto reopened = std::make_unique<Document>();
        EXPECT_TRUE(OpenDataFile(*reopened, (links / "link.dat").string(), ListingV100()).ok());
        fs::remove(links / "link.dat");
        fs::remove(links / "link.fre");
        EXPECT_EQ(FilesIn(links), 1u) << "nothing was left beside the links";
    }
}

// A save that fails names the file and the system's reason on the message's second line.
TEST(DataFile, FailedSaveSaysWhichFileAndWhy) {
    TempFolder folder;
    auto doc = RandomDocument(3);
    const std::string dat = folder.file("gone/a.dat");
    const FileResult result = SaveDataFile(*doc, dat);
    EXPECT_EQ(result.Message.en,
              "file error.\n" + CompanionPath(dat) + ": the file or its folder does not exist");
    EXPECT_EQ(result.Message.zh, "文件错误。\n" + CompanionPath(dat) + "：文件或其文件夹不存在");
}

// Paste into a full group raised its count past the group's 40 slots in the earlier program, and
// it saved such files: any count up to the store's 99 slots opens, merged to what the group can
// hold, and the document counts as changed because a save writes it differently.
TEST(DataFile, CountsUpToTheStoresSlotsOpenMergedToTheGroupsSize) {
    TempFolder folder;
    auto source = RandomDocument(11);
    source->Working.channelCount(kBandHf, 2) = 60;
    source->Working.channelCount(kBandHf, 17) = 2;     // a VFO group
    source->Working.channel(kBandHf, 45, 2).ChNo = 7;  // held only above the group's size
    for (int slot = 1; slot <= 40; ++slot)
        if (source->Working.channel(kBandHf, slot, 2).ChNo == 7)
            source->Working.channel(kBandHf, slot, 2).ChNo = 0;
    const std::string dat = folder.file("a.dat");
    ASSERT_TRUE(SaveDataFile(*source, dat).ok());

    auto doc = std::make_unique<Document>();
    const FileResult result = OpenDataFile(*doc, dat, ListingV100());
    ASSERT_TRUE(result.ok());
    EXPECT_FALSE(result.Message.empty());
    const int kept = doc->Working.channelCount(kBandHf, 2);
    EXPECT_GE(kept, 1);
    EXPECT_LE(kept, 40);
    std::set<int> numbers;
    for (int slot = 1; slot <= kept; ++slot) {
        const int chNo = doc->Working.channel(kBandHf, slot, 2).ChNo;
        EXPECT_TRUE(chNo >= 1 && chNo <= 40) << chNo;
        EXPECT_TRUE(numbers.insert(chNo).second) << chNo;
    }
    const int seven = FindSlot(doc->Working, kBandHf, 2, 7);
    ASSERT_GT(seven, 0);
    EXPECT_TRUE(doc->Working.channel(kBandHf, seven, 2) == source->Working.channel(kBandHf, 45, 2));
    EXPECT_EQ(doc->Working.channelCount(kBandHf, 17), 1);
    EXPECT_TRUE(IsDocumentChanged(*doc));
}

TEST(DataFile, SaveRefusesPairsThatCouldNotBeReadBack) {
    TempFolder folder;
    auto doc = std::make_unique<Document>();
    EXPECT_EQ(SaveDataFile(*doc, folder.file("a.fre")).Status, FileStatus::FileError)
        << "the companion would overwrite the data file";
    doc->Working.channelCount(1, 1) = 100;
    EXPECT_EQ(SaveDataFile(*doc, folder.file("a.dat")).Status, FileStatus::FileError);
    EXPECT_EQ(FilesIn(folder.path()), 0u);
    EXPECT_TRUE(doc->DocumentUntitled);
}

TEST(IsDocumentChanged, SeesEverySavedValueButEditorPositions) {
    struct Case {
        const char* what;
        std::function<void(RadioData&)> edit;
        bool changed;
    };
    const Case cases[] = {
        {"squelch", [](RadioData& d) { ++d.Config.Settings.Squelch; }, true},
        {"public parameter", [](RadioData& d) { ++d.Config.Settings.HfPublicParams.Mode; }, true},
        {"weather channel",
         [](RadioData& d) { d.Config.Settings.WeatherChannels[3].WxFrequency += 1; }, true},
        {"emergency block", [](RadioData& d) { ++d.Config.EmgBlock[35]; }, true},
        {"mode enable", [](RadioData& d) { ++d.Config.ModeEnable[0]; }, true},
        {"channel TxDcs", [](RadioData& d) { ++d.channel(1, 1, 1).TxDcs; }, true},
        {"channel TxFreqText", [](RadioData& d) { d.channel(1, 1, 1).TxFreqText.assign("1"); },
         true},
        {"CB memory", [](RadioData& d) { ++d.Store.cbMem(96).RogerBeep; }, true},
        {"channel count", [](RadioData& d) { --d.channelCount(1, 1); }, true},
        {"renumbered channel", [](RadioData& d) { d.channel(1, 2, 1).ChNo = 77; }, true},
        {"group name", [](RadioData& d) { d.Config.Settings.GroupName(1, 1).assign("Z"); }, true},
        {"BandMode", [](RadioData& d) { d.Config.BandMode = 2; }, true},
        {"work group", [](RadioData& d) { d.Config.Settings.WorkGroup[0] = 5; }, true},
        {"CurrentGroup", [](RadioData& d) { d.Config.CurrentGroup[1] = 9; }, false},
        {"GroupCurrentChannel", [](RadioData& d) { d.Config.GroupCurrentChannel(1, 3) = 9; },
         false},
        {"channel moved to another slot",
         [](RadioData& d) { std::swap(d.channel(1, 1, 1), d.channel(1, 3, 1)); }, false},
        {"slot above the count", [](RadioData& d) { ++d.channel(1, 40, 1).TxDcs; }, false},
        {"group name padding",
         [](RadioData& d) { d.Config.Settings.GroupName(1, 2).assignPadded("B", '\0'); }, false},
        {"DTMF code padding",
         [](RadioData& d) { d.Config.Settings.DtmfCodes[0].assignPadded("12", '\0'); }, false},
    };
    for (const auto& c : cases) {
        auto doc = std::make_unique<Document>();
        RadioData& data = doc->Working;
        data.channelCount(1, 1) = 3;
        for (int slot = 1; slot <= 3; ++slot)
            data.channel(1, slot, 1).ChNo = static_cast<i16>(slot);
        data.Config.Settings.GroupName(1, 2).assign("B");
        data.Config.Settings.DtmfCodes[0].assign("12");
        StageDocument(*doc);
        ASSERT_FALSE(IsDocumentChanged(*doc));
        c.edit(data);
        EXPECT_EQ(IsDocumentChanged(*doc), c.changed) << c.what;
    }
}

class TemplateLoad : public ::testing::Test {
protected:
    void SetUp() override {
        doc_ = RandomDocument(9);
        StageDocument(*doc_);
        doc_->DocumentName = "mine.dat";
        working_ = std::make_unique<RadioData>(doc_->Working);
    }

    void SaveTemplate(const char* hfGroupOneName) {
        auto source = RandomDocument(10);
        source->Working.Config.Settings.GroupName(1, 1).assignPadded(hfGroupOneName, '\0');
        ASSERT_TRUE(SaveDataFile(*source, path_).ok());
        template_ = std::make_unique<RadioData>(source->Working);
        // A template needs no version pair nor the exact size: only its first 2885 bytes count.
        Bytes data = ReadBytes(path_);
        data[0] = 'x';
        data.push_back(0);
        WriteBytes(path_, data);
        template_->Config.FileVersion.chars[0] = 'x';
    }

    TempFolder folder_;
    std::string path_ = folder_.file("0_KV7700_New.dat");
    std::unique_ptr<Document> doc_;
    std::unique_ptr<RadioData> working_;
    std::unique_ptr<RadioData> template_;
};

TEST_F(TemplateLoad, NamedTemplateIsApplied) {
    SaveTemplate("A");
    ASSERT_TRUE(LoadTemplateFile(*doc_, path_));
    test::ExpectSamePairData(*template_, doc_->Working);
    EXPECT_FALSE(IsDocumentChanged(*doc_));
    EXPECT_EQ(doc_->DocumentName, "mine.dat");
}

TEST_F(TemplateLoad, TemplateWithoutHfGroupNameIsStagedOnly) {
    SaveTemplate("");
    EXPECT_FALSE(LoadTemplateFile(*doc_, path_));
    EXPECT_TRUE(test::SameData(doc_->Working, *working_));
    test::ExpectSamePairData(*template_, doc_->Staged);
    EXPECT_TRUE(IsDocumentChanged(*doc_));
}

TEST_F(TemplateLoad, UnreadableTemplateRestagesTheWorkingData) {
    for (const char* damage : {"missing", "short data", "short companion"}) {
        SaveTemplate("A");
        if (std::string(damage) == "missing") fs::remove(path_);
        if (std::string(damage) == "short data") fs::resize_file(path_, 2884);
        if (std::string(damage) == "short companion")
            fs::resize_file(CompanionPath(path_), fs::file_size(CompanionPath(path_)) - 70);
        doc_->Working.Config.Settings.Squelch ^= 1;  // a change the restaging takes in
        *working_ = doc_->Working;
        EXPECT_FALSE(LoadTemplateFile(*doc_, path_)) << damage;
        EXPECT_TRUE(test::SameData(doc_->Working, *working_)) << damage;
        EXPECT_FALSE(IsDocumentChanged(*doc_)) << damage;
    }
}

}  // namespace
}  // namespace kv
