// Window positions and sizes are kept in twips, 1440 to the inch, and shown in pixels at the
// screen's logical resolution (15 twips to the pixel at 96 dots per inch).
#pragma once

namespace kv {

inline constexpr int kTwipsPerInch = 1440;

constexpr int TwipsToPixels(int twips, int dotsPerInch) {
    return static_cast<int>((static_cast<long long>(twips) * dotsPerInch) / kTwipsPerInch);
}

constexpr int PixelsToTwips(int pixels, int dotsPerInch) {
    return dotsPerInch <= 0
               ? 0
               : static_cast<int>((static_cast<long long>(pixels) * kTwipsPerInch) / dotsPerInch);
}

}  // namespace kv
