// The radio shifts every repeater channel by its one TX.REP. When the shifted lines of a common
// format file all ask for one other shift, the preview says so and offers to set TX.REP to it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "exchange/csv.h"
#include "model/radio_data.h"
#include "model/text_pair.h"

namespace kv {

struct RepeaterOffsetOffer {
    long long ShiftHz = 0;     // the file's one shift
    int Lines = 0;             // the lines shifted by it
    bool Settable = false;     // TX.REP can make it within what the settings window offers
    std::int32_t Offset = 0;   // that TX.REP, units of 100 Hz (when Settable)
    int ChannelsChanging = 0;  // channels outside the import already set to Add or SUBB
};

// Which channel of the document an import replaces.
struct ReplacedPlace {
    int Band = 0;
    int Group = 0;
    int ChNo = 0;
};

// The file's one shift when every shifted line asks for it and the radio's TX.REP (offset, units
// of 100 Hz) does not make it; ChannelsChanging is left 0. shifts holds each line's shift in hertz
// (0 for simplex).
std::optional<RepeaterOffsetOffer> FindOffsetOffer(const std::vector<long long>& shifts,
                                                   std::int32_t offset);

// The channels in use set to Add or SUBB, in every band, that the import does not replace: their
// transmit frequency moves with TX.REP.
int ShiftedChannelsOutside(const RadioData& data, const std::vector<ReplacedPlace>& replaced);

// TX.REP as the settings window writes it: MHz with four decimals ("0.1000").
std::string RepeaterOffsetMhz(std::int32_t offset);

// The file's shift against the radio's TX.REP, and what taking the offer would do.
TextPair OffsetOfferText(const RepeaterOffsetOffer& offer, std::int32_t offset);
// The TX.REP an import sets, and the channels already shifted whose transmit frequency moves.
TextPair OffsetTakenText(std::int32_t offset, std::int32_t before, int channelsMoved);
// The preview's buttons.
TextPair TakeOffsetCaption(std::int32_t offset);
TextPair KeepOffsetCaption(std::int32_t offset);

}  // namespace kv
