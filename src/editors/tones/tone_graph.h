// The bar graph of a tone: one bar per step with a length, its width by the step's share of the
// whole length and its height by the frequency.
#pragma once

#include <vector>

#include "model/config_record.h"

namespace kv {

struct ToneBar {
    int Left = 0;  // in the drawing area's units, from its left edge
    int Width = 0;
    int Height = 0;    // upwards from the baseline, 50 units above the bottom edge
    bool Odd = false;  // odd steps are drawn red, even ones blue
};

// The bars for a drawing area of `width` × `height` units; none when the tone has no length.
std::vector<ToneBar> ToneBars(const ToneRecord& tone, int width, int height);

}  // namespace kv
