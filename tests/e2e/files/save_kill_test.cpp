// Saves that survive a kill. A child process saves the pair in a loop, alternating two documents
// that differ in both files but need companions of the same size (so a mixture would still
// open), and is killed with SIGKILL at a random moment, 100 times. After each kill the pair opens
// as exactly one of the two documents, nothing is left beside it, and the child's next save
// (in the next round) succeeds.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "files/data_file.h"
#include "files/data_file_pair.h"
#include "unit/files/document_samples.h"

namespace kv::test {
namespace {

namespace fs = std::filesystem;

constexpr int kKills = 100;

struct PairOnDisk {
    std::vector<char> Data;
    std::vector<char> Companion;
    bool operator==(const PairOnDisk&) const = default;
};

std::vector<char> ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

PairOnDisk ReadPairFiles(const std::string& path) {
    return {ReadAll(path), ReadAll(CompanionPath(path))};
}

std::set<std::string> FilesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

class SaveKillTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kv-save-kill-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        fs::create_directory(root_ / "pair");
        target_ = (root_ / "pair" / "radio.dat").string();

        first_ = RandomDocument(11);
        second_ = RandomDocument(12);
        second_->Working.Config.ChannelCount = first_->Working.Config.ChannelCount;
        ASSERT_TRUE(SaveDataFile(*first_, (root_ / "first.dat").string()).ok());
        ASSERT_TRUE(SaveDataFile(*second_, (root_ / "second.dat").string()).ok());
        firstBytes_ = ReadPairFiles((root_ / "first.dat").string());
        secondBytes_ = ReadPairFiles((root_ / "second.dat").string());
        firstOpened_ = Opened((root_ / "first.dat").string());
        secondOpened_ = Opened((root_ / "second.dat").string());
        ASSERT_EQ(firstBytes_.Companion.size(), secondBytes_.Companion.size());
        ASSERT_NE(firstBytes_.Data, secondBytes_.Data);
        ASSERT_NE(firstBytes_.Companion, secondBytes_.Companion);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    // The document a pair opens as, in the form a save writes it.
    PairBytes Opened(const std::string& path) const {
        auto doc = std::make_unique<Document>();
        EXPECT_TRUE(OpenDataFile(*doc, path, versions_).ok()) << path;
        return EncodePair(doc->Working);
    }

    fs::path root_;
    std::string target_;
    std::unique_ptr<Document> first_;
    std::unique_ptr<Document> second_;
    PairOnDisk firstBytes_;
    PairOnDisk secondBytes_;
    PairBytes firstOpened_;
    PairBytes secondOpened_;
    const VersionTable versions_{"V100", {"V100"}, {{"V100", "V100"}}};
};

TEST_F(SaveKillTest, PairOpensAsOneDocumentAfterEveryKill) {
    ASSERT_TRUE(SaveDataFile(*first_, target_).ok());
    // Kills land anywhere in the child's first few saves.
    const auto begun = std::chrono::steady_clock::now();
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(SaveDataFile(i % 2 ? *first_ : *second_, target_).ok());
    const auto saveTime = (std::chrono::steady_clock::now() - begun) / 4;
    const long long window = std::max<long long>(
        1000, 3 * std::chrono::duration_cast<std::chrono::microseconds>(saveTime).count());

    std::mt19937 rng(20261210);
    int openedFirst = 0;
    int openedSecond = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        // The child says when its first save is done, so that on a busy machine the kills do not
        // all land before the child got going; they land anywhere in the saves that follow.
        int started[2];
        ASSERT_EQ(::pipe(started), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(started[0]);
            for (unsigned n = 0;; ++n) {
                if (!SaveDataFile(n % 2 ? *first_ : *second_, target_).ok()) ::_exit(1);
                if (n == 0) {
                    const char done = 1;
                    if (::write(started[1], &done, 1) != 1) ::_exit(1);
                    ::close(started[1]);
                }
            }
        }
        ::close(started[1]);
        char done = 0;
        ASSERT_EQ(::read(started[0], &done, 1), 1) << "kill " << kill << ": the child never saved";
        ::close(started[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(rng() % window));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "kill " << kill << ": a save in the child failed";

        auto opened = std::make_unique<Document>();
        const FileResult result = OpenDataFile(*opened, target_, versions_);
        ASSERT_TRUE(result.ok()) << "kill " << kill << ": " << result.Message.en;
        const PairOnDisk onDisk = ReadPairFiles(target_);
        const bool isFirst = onDisk == firstBytes_;
        const bool isSecond = onDisk == secondBytes_;
        ASSERT_TRUE(isFirst || isSecond) << "kill " << kill << ": the pair is a mixture";
        const PairBytes document = EncodePair(opened->Working);
        const PairBytes& expected = isFirst ? firstOpened_ : secondOpened_;
        ASSERT_TRUE(document.Data == expected.Data && document.Companion == expected.Companion)
            << "kill " << kill << ": the document opened is not the one on disk";
        ASSERT_EQ(FilesIn(root_ / "pair"), (std::set<std::string>{"radio.dat", "radio.fre"}))
            << "kill " << kill << ": side files left beside the pair";
        ++(isFirst ? openedFirst : openedSecond);
    }
    // Both documents were on disk at some kill, so the kills did land inside the saving loop.
    EXPECT_GT(openedFirst, 0);
    EXPECT_GT(openedSecond, 0);
}

void WriteAll(const fs::path& path, const std::vector<char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// What a save killed at one point leaves beside the pair, laid out by hand: the save of the second
// document over the first, stopped between the renames and just after it committed.
TEST_F(SaveKillTest, PairKilledMidSaveOpensAsOneDocument) {
    struct Case {
        const char* name;
        bool companionReplaced;
        bool dataReplaced;
        bool backupsLeft;      // both backups (the replacement is under way)
        bool companionBackup;  // only the companion's (it had just committed)
        bool opensAsFirst;
    };
    const Case cases[] = {
        {"between the renames", true, false, true, false, true},
        {"after both renames", true, true, true, false, true},
        {"just after the commit", true, true, false, true, false},
    };
    const fs::path folder = root_ / "pair";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(SaveDataFile(*first_, target_).ok());
        if (c.backupsLeft || c.companionBackup)
            WriteAll(folder / ".radio.fre.bak", firstBytes_.Companion);
        if (c.backupsLeft) WriteAll(folder / ".radio.dat.bak", firstBytes_.Data);
        WriteAll(folder / "radio.fre",
                 c.companionReplaced ? secondBytes_.Companion : firstBytes_.Companion);
        WriteAll(folder / "radio.dat", c.dataReplaced ? secondBytes_.Data : firstBytes_.Data);
        if (!c.dataReplaced) WriteAll(folder / ".radio.dat.tmp", secondBytes_.Data);

        auto opened = std::make_unique<Document>();
        ASSERT_TRUE(OpenDataFile(*opened, target_, versions_).ok());
        const PairBytes document = EncodePair(opened->Working);
        const PairBytes& expected = c.opensAsFirst ? firstOpened_ : secondOpened_;
        EXPECT_TRUE(document.Data == expected.Data && document.Companion == expected.Companion);
        EXPECT_EQ(ReadPairFiles(target_), c.opensAsFirst ? firstBytes_ : secondBytes_);
        EXPECT_EQ(FilesIn(folder), (std::set<std::string>{"radio.dat", "radio.fre"}));
    }
}

}  // namespace
}  // namespace kv::test
