// The bar graph of a tone.
#include "editors/tones/tone_graph.h"

#include <cmath>

namespace kv {
namespace {

// Nearest integer, halves to even.
int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace

std::vector<ToneBar> ToneBars(const ToneRecord& tone, int width, int height) {
    const int usableWidth = width - 100;
    const int usableHeight = height - 100;
    long total = 0;
    for (const ToneStep& step : tone.Steps)
        if (step.ToneTime > 0) total += step.ToneTime;
    std::vector<ToneBar> bars;
    if (total < 1) return bars;
    int x = 50;
    for (std::size_t i = 0; i < tone.Steps.size(); ++i) {
        const ToneStep& step = tone.Steps[i];
        if (step.ToneTime <= 0) continue;
        const int w = RoundHalfEven(static_cast<double>(step.ToneTime) * usableWidth / total);
        const int h = RoundHalfEven(static_cast<double>(step.ToneFreq) * usableHeight / 256.0);
        bars.push_back({x, w, h, i % 2 == 0});
        x += w;
    }
    return bars;
}

}  // namespace kv
