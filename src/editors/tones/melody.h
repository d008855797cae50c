// A tone as it sounds: its steps in playing order, the pause after each pass and the number of
// passes, and the melody rendered as 16-bit samples. The preview and the sound-file export both
// render through MelodyRenderer, so what is heard is what is written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/config_record.h"

namespace kv {

// Steps below this frequency are silences.
inline constexpr int kLowestAudibleHz = 50;
// The pass counter holds 256 passes; a stored count above that plays 256.
inline constexpr int kMaxPasses = 256;

struct MelodySegment {
    int FrequencyHz = 0;  // 0: silence
    int DurationMs = 0;
};

struct Melody {
    std::vector<MelodySegment> Steps;  // one pass: the steps with a length, in order
    int PauseMs = 0;                   // after every pass
    int Passes = 0;                    // 0: nothing sounds

    long long PassMs() const;
    long long TotalMs() const;
    bool empty() const { return Passes == 0 || Steps.empty(); }
};

// Steps with ToneTime above 0 last ToneTime × 10 ms and sound ToneFreq × 10 Hz (silence below
// 50 Hz); each pass ends with ToneInterval × 10 ms of silence; ToneRepeat passes (none when it
// is 0 or below, or when no step has a length).
Melody MelodyOf(const ToneRecord& tone);

// Produces the melody's samples in order, a piece at a time, so that a player can feed an
// audio device as it drains without rendering minutes of sound at once. Each tone starts at
// phase 0 and fades in and out over a few milliseconds so that step edges do not click; a
// frequency the sample rate cannot carry is rendered as silence.
class MelodyRenderer {
public:
    MelodyRenderer(Melody melody, int sampleRate);

    std::size_t TotalSamples() const { return total_; }
    bool AtEnd() const { return position_ >= total_; }
    // Writes up to `count` samples into `out`; returns how many were written (0 at the end).
    std::size_t Render(std::int16_t* out, std::size_t count);

private:
    struct Span {
        std::size_t First = 0;  // sample index where the segment starts
        std::size_t Length = 0;
        int FrequencyHz = 0;
    };
    std::int16_t sampleAt(const Span& span, std::size_t offset) const;

    int rate_;
    std::vector<Span> spans_;  // one pass, its pause included
    std::size_t passSamples_ = 0;
    std::size_t total_ = 0;
    std::size_t position_ = 0;
};

// The whole melody at once.
std::vector<std::int16_t> RenderMelody(const Melody& melody, int sampleRate);

}  // namespace kv
