// A tone as it sounds, and its samples.
#include "editors/tones/melody.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kv {
namespace {

constexpr double kAmplitude = 0.5 * 32767;
constexpr int kFadeMs = 3;

std::size_t SamplesFor(long long ms, int rate) {
    return static_cast<std::size_t>(ms * rate / 1000);
}

}  // namespace

long long Melody::PassMs() const {
    long long ms = PauseMs;
    for (const MelodySegment& s : Steps) ms += s.DurationMs;
    return ms;
}

long long Melody::TotalMs() const {
    return empty() ? 0 : PassMs() * Passes;
}

Melody MelodyOf(const ToneRecord& tone) {
    Melody melody;
    for (const ToneStep& step : tone.Steps) {
        if (step.ToneTime <= 0) continue;
        const int hz = step.ToneFreq * 10;
        melody.Steps.push_back({hz >= kLowestAudibleHz ? hz : 0, step.ToneTime * 10});
    }
    melody.PauseMs = std::max(0, static_cast<int>(tone.ToneInterval)) * 10;
    melody.Passes = melody.Steps.empty() ? 0 : std::clamp<int>(tone.ToneRepeat, 0, kMaxPasses);
    return melody;
}

MelodyRenderer::MelodyRenderer(Melody melody, int sampleRate) : rate_(std::max(1, sampleRate)) {
    if (melody.empty()) return;
    // Segment edges come from the running time, so rounding never accumulates over the steps.
    long long startMs = 0;
    std::size_t first = 0;
    for (const MelodySegment& s : melody.Steps) {
        startMs += s.DurationMs;
        const std::size_t end = SamplesFor(startMs, rate_);
        const bool audible = s.FrequencyHz > 0 && 2 * s.FrequencyHz < rate_;
        spans_.push_back({first, end - first, audible ? s.FrequencyHz : 0});
        first = end;
    }
    passSamples_ = SamplesFor(melody.PassMs(), rate_);
    total_ = passSamples_ * static_cast<std::size_t>(melody.Passes);
}

std::int16_t MelodyRenderer::sampleAt(const Span& span, std::size_t offset) const {
    if (span.FrequencyHz == 0) return 0;
    const double fade = static_cast<double>(SamplesFor(kFadeMs, rate_));
    const double fromEdge = static_cast<double>(std::min(offset, span.Length - 1 - offset));
    const double envelope = fade > 0 ? std::min(1.0, fromEdge / fade) : 1.0;
    const double phase =
        2 * std::numbers::pi * span.FrequencyHz * static_cast<double>(offset) / rate_;
    return static_cast<std::int16_t>(std::lround(kAmplitude * envelope * std::sin(phase)));
}

std::size_t MelodyRenderer::Render(std::int16_t* out, std::size_t count) {
    std::size_t written = 0;
    while (written < count && position_ < total_) {
        const std::size_t inPass = position_ % passSamples_;
        const auto span =
            std::upper_bound(spans_.begin(), spans_.end(), inPass,
                             [](std::size_t at, const Span& s) { return at < s.First; });
        const Span* current = span == spans_.begin() ? nullptr : &*(span - 1);
        if (current != nullptr && inPass >= current->First + current->Length) current = nullptr;
        // Inside a step: render up to its end; past the last step: the pause, silence.
        const std::size_t segmentEnd =
            current != nullptr ? current->First + current->Length : passSamples_;
        const std::size_t n = std::min(count - written, segmentEnd - inPass);
        for (std::size_t k = 0; k < n; ++k)
            out[written + k] =
                current != nullptr ? sampleAt(*current, inPass - current->First + k) : 0;
        written += n;
        position_ += n;
    }
    return written;
}

std::vector<std::int16_t> RenderMelody(const Melody& melody, int sampleRate) {
    MelodyRenderer renderer(melody, sampleRate);
    std::vector<std::int16_t> samples(renderer.TotalSamples());
    renderer.Render(samples.data(), samples.size());
    return samples;
}

}  // namespace kv
