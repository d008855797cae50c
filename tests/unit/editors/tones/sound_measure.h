// Measuring rendered sound the way one would check a recording: where it is silent, how often
// the signal crosses zero, which frequency that gives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kv::test {

struct SoundRun {
    bool Sound = false;
    std::size_t First = 0;
    std::size_t Length = 0;
};

// Splits the samples into sounding and silent runs; a silence is at least `minSilence`
// consecutive zero samples (a sine only touches zero for single samples).
inline std::vector<SoundRun> SplitRuns(std::span<const std::int16_t> samples,
                                       std::size_t minSilence) {
    std::vector<SoundRun> runs;
    std::size_t i = 0;
    const auto push = [&runs](bool sound, std::size_t first, std::size_t length) {
        if (length == 0) return;
        if (!runs.empty() && runs.back().Sound == sound)
            runs.back().Length += length;
        else
            runs.push_back({sound, first, length});
    };
    while (i < samples.size()) {
        std::size_t j = i;
        while (j < samples.size() && samples[j] == 0) ++j;
        if (j - i >= minSilence || j == samples.size())
            push(false, i, j - i);
        else
            push(true, i, j - i);
        std::size_t k = j;
        while (k < samples.size() && samples[k] != 0) ++k;
        push(true, j, k - j);
        i = k;
    }
    return runs;
}

// Sign changes, zeros skipped.
inline int ZeroCrossings(std::span<const std::int16_t> samples) {
    int crossings = 0;
    int lastSign = 0;
    for (const std::int16_t s : samples) {
        const int sign = (s > 0) - (s < 0);
        if (sign == 0) continue;
        if (lastSign != 0 && sign != lastSign) ++crossings;
        lastSign = sign;
    }
    return crossings;
}

// A sine crosses zero twice a period.
inline double MeasuredHz(std::span<const std::int16_t> samples, int sampleRate) {
    if (samples.empty()) return 0;
    return ZeroCrossings(samples) * static_cast<double>(sampleRate) / (2.0 * samples.size());
}

inline bool AllSilent(std::span<const std::int16_t> samples) {
    for (const std::int16_t s : samples)
        if (s != 0) return false;
    return true;
}

}  // namespace kv::test
