// The DTMF window's texts in both languages and its "Encode" rows, each row a pick list stored
// as its position in one of the DTMF parameters.
#pragma once

#include <span>
#include <vector>

#include "model/text_pair.h"

namespace kv {

struct DtmfWindowTexts {
    TextPair Caption;
    TextPair EncodeTab;
    TextPair DecodeTab;
    TextPair AutodialTab;
    TextPair NumberHeading;
    TextPair AutodialHeading;
    TextPair Display;  // the check box stored in DtmfDisplay
};

const DtmfWindowTexts& DtmfTexts();

struct DtmfEncodeRow {
    TextPair Caption;
    std::vector<TextPair> Choices;  // position 0 first
    int Param;                      // index into RadioSettings::DtmfParams
};

// "DTMF Send Time[ms]", "First Digit Time[ms]", "First Digit Delay[ms]", "* and # Tone[ms]",
// "D Code Assignment", in order.
std::span<const DtmfEncodeRow> DtmfEncodeRows();

// The DtmfParams index of the display check box.
inline constexpr int kDtmfDisplayParam = 5;

}  // namespace kv
