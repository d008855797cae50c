#include "editors/tones/melody.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sound_measure.h"

namespace kv {
namespace {

using test::AllSilent;
using test::MeasuredHz;
using test::SplitRuns;

constexpr int kRate = 44100;

ToneRecord ToneOf(std::vector<ToneStep> steps, int repeat, int interval) {
    ToneRecord tone;
    std::copy(steps.begin(), steps.end(), tone.Steps.begin());
    tone.ToneRepeat = static_cast<i16>(repeat);
    tone.ToneInterval = static_cast<i16>(interval);
    return tone;
}

std::size_t Samples(int ms) {
    return static_cast<std::size_t>(ms) * kRate / 1000;
}

// 1000 Hz for 100 ms, 50 ms silent, 500 ms pause, twice.
TEST(Melody, ToneSilenceAndPauseRepeatAsMeasured) {
    const auto samples = RenderMelody(MelodyOf(ToneOf({{100, 10}, {0, 5}}, 2, 50)), kRate);
    ASSERT_EQ(samples.size(), Samples(2 * (100 + 50 + 500)));
    const auto runs = SplitRuns(samples, Samples(1));
    ASSERT_EQ(runs.size(), 4u);
    for (int pass = 0; pass < 2; ++pass) {
        const test::SoundRun& tone = runs[2 * pass];
        const test::SoundRun& quiet = runs[2 * pass + 1];
        ASSERT_TRUE(tone.Sound);
        ASSERT_FALSE(quiet.Sound);
        // A tone starts and ends on a zero sample; allow those two.
        EXPECT_NEAR(static_cast<double>(tone.Length), Samples(100), 2);
        EXPECT_NEAR(static_cast<double>(quiet.Length), Samples(550), 2);
        EXPECT_NEAR(MeasuredHz({samples.data() + tone.First, tone.Length}, kRate), 1000, 10);
    }
}

// Each step in its own window: the frequency it sounds (0: silent) for its duration.
TEST(Melody, EveryStepSoundsItsFrequencyForItsLength) {
    struct Expected {
        int Hz;
        int Ms;
    };
    struct Case {
        std::string Name;
        ToneRecord Tone;
        std::vector<Expected> Pass;
        int Passes;
    };
    const Case cases[] = {
        {"list extremes and the 50 Hz limit",
         ToneOf({{40, 10}, {255, 20}, {5, 10}, {4, 10}}, 1, 0),
         {{400, 100}, {2550, 200}, {50, 100}, {0, 100}},
         1},
        {"steps without length are skipped",
         ToneOf({{0, 0}, {150, 3}, {99, 0}, {70, -4}, {200, 2}}, 3, 2),
         {{1500, 30}, {2000, 20}, {0, 20}},
         3},
        {"a default tone",
         ToneOf({{64, 6}, {94, 6}, {134, 6}, {163, 6}, {192, 6}}, 1, 0),
         {{640, 60}, {940, 60}, {1340, 60}, {1630, 60}, {1920, 60}},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto samples = RenderMelody(MelodyOf(c.Tone), kRate);
        std::size_t at = 0;
        for (int pass = 0; pass < c.Passes; ++pass) {
            for (const Expected& step : c.Pass) {
                const std::size_t n = Samples(step.Ms);
                ASSERT_LE(at + n, samples.size());
                const std::span<const std::int16_t> window(samples.data() + at, n);
                if (step.Hz == 0)
                    EXPECT_TRUE(AllSilent(window)) << "at " << at;
                else
                    EXPECT_NEAR(MeasuredHz(window, kRate), step.Hz, 0.02 * step.Hz + 10)
                        << "at " << at;
                at += n;
            }
        }
        EXPECT_EQ(at, samples.size());
    }
}

TEST(Melody, NothingSoundsWithoutPassesOrLengths) {
    const ToneRecord cases[] = {
        ToneOf({{100, 10}}, 0, 5),   // recycle Off
        ToneOf({{100, 10}}, -3, 5),  // damaged count
        ToneOf({{100, 0}, {120, 0}}, 4, 5),
    };
    for (const ToneRecord& tone : cases) {
        const Melody melody = MelodyOf(tone);
        EXPECT_TRUE(melody.empty());
        EXPECT_EQ(melody.TotalMs(), 0);
        EXPECT_TRUE(RenderMelody(melody, kRate).empty());
    }
}

TEST(Melody, CountAboveWhatThePassCounterHoldsPlays256Passes) {
    const auto samples = RenderMelody(MelodyOf(ToneOf({{100, 1}}, 300, 1)), kRate);
    const auto runs = SplitRuns(samples, Samples(1));
    EXPECT_EQ(std::count_if(runs.begin(), runs.end(), [](const auto& r) { return r.Sound; }), 256);
}

TEST(Melody, PiecesAddUpToTheWholeRendering) {
    const Melody melody = MelodyOf(ToneOf({{100, 7}, {0, 3}, {210, 11}}, 3, 4));
    const auto whole = RenderMelody(melody, 48000);
    MelodyRenderer renderer(melody, 48000);
    std::vector<std::int16_t> pieces;
    std::vector<std::int16_t> buffer(997);
    while (const std::size_t n = renderer.Render(buffer.data(), buffer.size()))
        pieces.insert(pieces.end(), buffer.begin(), buffer.begin() + static_cast<long>(n));
    EXPECT_TRUE(renderer.AtEnd());
    EXPECT_EQ(pieces, whole);
}

TEST(Melody, FrequencyTheSampleRateCannotCarryIsSilent) {
    const auto samples = RenderMelody(MelodyOf(ToneOf({{900, 10}}, 1, 0)), 16000);
    ASSERT_EQ(samples.size(), 1600u);
    EXPECT_TRUE(AllSilent(samples));
}

}  // namespace
}  // namespace kv
