// One channel of the channel store, also used for the 96 CB memory channels.
#pragma once

#include <cstdint>

#include "model/fixed_text.h"

namespace kv {

// Fields in the order of the 70-byte record of the channel companion file.
struct ChannelRecord {
    std::int16_t ChNo = 0;     // channel number; selects the image slot
    std::int16_t InUse = 0;    // 1 = the record holds a channel (memory refers to a channel)
    std::int16_t ScanAdd = 0;  // 0 "Del", 1 "Add"
    FixedText<8> RxFreqText;   // digits of hertz without a point; blank or "FFFFFFFF" = none
    FixedText<8> TxFreqText;   // set when created; kept in the data file, not in the image
    std::int16_t Reserved6 = 0;
    std::int16_t Reserved7 = 0;
    std::int16_t TxToneType = 0;  // 0 off, 1 CTCSS, 2 DCS
    std::int16_t TxCtcss = 0;     // 0..37
    std::int16_t TxDcs = 0;       // 0..103
    std::int16_t Reserved11 = 0;  // cleared when a channel is created
    std::int16_t MemMode = 0;     // 0 FM, 1 AM, 2 USB, 3 LSB, 4 PA, 5 CW
    std::int16_t HiCut = 0;
    std::int16_t NbAnl = 0;  // 0 off, 1 NB, 2 ANL, 3 NB/ANL
    std::int16_t Echo = 0;
    std::int16_t Add10K = 0;
    std::int16_t Busy = 0;
    std::int16_t RogerBeep = 0;  // 0 off, 1..8
    std::int16_t RepShift = 0;   // 0 off, 1 "Add", 2 "SUBB"
    std::int16_t PublicCh = 0;
    std::int16_t DtmfBot = 0;  // 0 off, 1..16
    std::int16_t DtmfEot = 0;
    std::int16_t DtmfCall = 0;
    std::int16_t RxToneType = 0;
    std::int16_t RxCtcss = 0;
    std::int16_t RxDcs = 0;
    std::int16_t TxPower = 0;  // 0 low, 1 mid, 2 high
    std::int16_t MemBand = 0;  // CB memories 65..80: 0 group 5, 1 group 7
    std::int16_t MemChNo = 0;  // CB memories: ChNo of the referred channel; 255 = empty

    bool operator==(const ChannelRecord&) const = default;
};

}  // namespace kv
