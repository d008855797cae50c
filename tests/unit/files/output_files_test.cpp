// The outputs beside the data files: one file replaced safely at once (SaveFileSafely) or piece by
// piece (FileReplacement, a sound export), on a full disk, over a read-only file and through
// links.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "editors/tones/melody.h"
#include "editors/tones/wav_file.h"
#include "files/data_file.h"
#include "files/safe_save.h"
#include "small_disk.h"
#include "unit/files/document_samples.h"

namespace kv {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "(unreadable)";
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Each way of writing an output: at once, in pieces, and the sound export built on the pieces.
struct Writer {
    const char* name;
    // Writes about `bytes` bytes to path; nothing on success, otherwise the failure.
    std::optional<FileFailure> (*write)(const std::string& path, std::size_t bytes);
};

std::optional<FileFailure> AtOnce(const std::string& path, std::size_t bytes) {
    return SaveFileSafely(path, std::string(bytes, 'n'));
}

std::optional<FileFailure> InPieces(const std::string& path, std::size_t bytes) {
    FileReplacement file(path);
    const std::vector<std::uint8_t> piece(4096, 'n');
    for (std::size_t done = 0; done < bytes; done += piece.size())
        if (!file.Write(piece)) break;
    return file.Commit();
}

std::optional<FileFailure> Sound(const std::string& path, std::size_t bytes) {
    ToneRecord tone;
    // 44100 samples of 2 bytes a second, in steps of 10 ms.
    tone.Steps[0] = {100, static_cast<i16>(bytes / 882 + 1)};
    tone.ToneRepeat = 1;
    FileFailure failure;
    if (WriteMelodyWav(MelodyOf(tone), path, {}, &failure)) return std::nullopt;
    return failure;
}

constexpr Writer kWriters[] = {{"at once", AtOnce}, {"in pieces", InPieces}, {"sound", Sound}};

TEST(OutputFiles, AFullDiskLeavesTheOldFileAndNothingElse) {
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        TempFolder folder;
        const test::SmallDisk disk(folder.path() / "disk", 1 << 20);
        if (!disk.Problem().empty()) GTEST_SKIP() << disk.Problem();
        const std::string out = disk.file("out");
        WriteText(out, "old");
        disk.FillLeaving(64 << 10);
        const auto failure = writer.write(out, 256 << 10);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->Problem, FileFailure::Kind::System);
        EXPECT_EQ(FileFailureReason(*failure).en, "the disk is full");
        EXPECT_EQ(Contents(out), "old");
        EXPECT_EQ(Names(folder.path() / "disk"), (std::vector<std::string>{"filler", "out"}));
    }
}

TEST(OutputFiles, AReadOnlyFileIsRefusedEvenForRootAndLinksAreHonoured) {
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        TempFolder folder;
        const std::string out = folder.file("out");
        WriteText(out, "old");
        ASSERT_EQ(::chmod(out.c_str(), 0444), 0);
        const auto refused = writer.write(out, 10000);
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->Problem, FileFailure::Kind::ReadOnly);
        EXPECT_EQ(Contents(out), "old");

        ASSERT_EQ(::chmod(out.c_str(), 0604), 0);
        ASSERT_EQ(::link(out.c_str(), folder.file("twin").c_str()), 0);
        fs::create_symlink("out", folder.file("shortcut"));
        ASSERT_FALSE(writer.write(folder.file("shortcut"), 10000));
        EXPECT_EQ(Contents(folder.file("twin")), "old");
        EXPECT_GE(Contents(out).size(), 10000u);
        EXPECT_TRUE(fs::is_symlink(folder.file("shortcut")));
        struct stat info {};
        ASSERT_EQ(::stat(out.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0604u);
        EXPECT_EQ(Names(folder.path()), (std::vector<std::string>{"out", "shortcut", "twin"}));
    }
}

TEST(OutputFiles, APieceByPieceFileLeftUncommittedLeavesNothing) {
    TempFolder folder;
    const std::string out = folder.file("out");
    WriteText(out, "old");
    {
        FileReplacement file(out);
        ASSERT_TRUE(file.Write(std::vector<std::uint8_t>(100, 'n')));
    }
    EXPECT_EQ(Contents(out), "old");
    EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"out"});
}

}  // namespace
}  // namespace kv
