#include "editors/tones/wav_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "sound_measure.h"
#include "unit/files/document_samples.h"

namespace kv {
namespace {

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
    return v;
}

// The exported file, read back as any player would: 16-bit mono at 44100 Hz holding 1000 Hz for
// 100 ms, 50 ms of silence and a 500 ms pause, twice.
TEST(WavFile, ExportHoldsTheMeasuredMelody) {
    test::TempFolder folder;
    ToneRecord tone;
    tone.Steps[0] = {100, 10};
    tone.Steps[1] = {0, 5};
    tone.ToneRepeat = 2;
    tone.ToneInterval = 50;
    const std::string path = folder.file("tone.wav");
    ASSERT_TRUE(WriteMelodyWav(MelodyOf(tone), path));

    const auto bytes = ReadAll(path);
    ASSERT_GE(bytes.size(), 44u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
    EXPECT_EQ(Le(bytes, 4, 4), bytes.size() - 8);
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(Le(bytes, 20, 2), 1u);  // PCM
    EXPECT_EQ(Le(bytes, 22, 2), 1u);  // mono
    const std::uint32_t rate = Le(bytes, 24, 4);
    EXPECT_EQ(rate, 44100u);
    EXPECT_EQ(Le(bytes, 28, 4), rate * 2);
    EXPECT_EQ(Le(bytes, 34, 2), 16u);
    EXPECT_EQ(std::string(bytes.begin() + 36, bytes.begin() + 40), "data");
    const std::uint32_t dataBytes = Le(bytes, 40, 4);
    ASSERT_EQ(dataBytes, bytes.size() - 44);

    std::vector<std::int16_t> samples(dataBytes / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(Le(bytes, 44 + 2 * i, 2));
    EXPECT_EQ(samples.size(), 1300u * 441 / 10);
    const auto runs = test::SplitRuns(samples, 44);
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_NEAR(static_cast<double>(runs[0].Length), 4410, 2);
    EXPECT_NEAR(static_cast<double>(runs[1].Length), 24255, 2);
    EXPECT_NEAR(test::MeasuredHz({samples.data() + runs[2].First, runs[2].Length}, 44100), 1000,
                10);
}

TEST(WavFile, FailureLeavesTheExistingFile) {
    test::TempFolder folder;
    ToneRecord tone;
    tone.Steps[0] = {100, 10};
    tone.ToneRepeat = 1;
    EXPECT_FALSE(WriteMelodyWav(MelodyOf(tone), folder.file("missing/tone.wav")));
    // A folder in the target's place cannot be replaced by a file.
    std::filesystem::create_directory(folder.file("taken.wav"));
    EXPECT_FALSE(WriteMelodyWav(MelodyOf(tone), folder.file("taken.wav")));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("taken.wav")));
    // Nothing is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
}  // namespace kv
