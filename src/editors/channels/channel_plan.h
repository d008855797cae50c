// A channel plan: a readable table of groups and channels (band, group, group name, channel
// number, frequency in MHz) that template documents are built from. Parsing checks every row, so
// a mistyped table is reported by line instead of producing a wrong template.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"

namespace kv {

inline constexpr const char* kChannelPlanHeader = "band,group,group_name,channel,frequency_mhz";

struct ChannelPlanRow {
    int band = 0;
    int group = 0;
    std::string groupName;
    int chNo = 0;
    std::string freqText;  // "dd.dddddd", MHz with six decimals: eight digits of hertz
    int line = 0;
};

struct ChannelPlan {
    std::vector<ChannelPlanRow> rows;
    std::string error;  // empty when the whole table was read
};

// Reads the table: the header line, then one row per channel; blank lines and lines starting
// with "#" are skipped. Bands are "CB", "HF" and "HAM"; groups are the band's named groups;
// channel numbers are the group's normal channels; a channel appears once and a group has one name.
ChannelPlan ParseChannelPlan(std::string_view csv);

// Lays the plan over the working data: each group of the plan is named and switched on, its
// channels are appended in table order with the channel-creation rule, and its references are
// brought to channels that exist. Returns "" or what went wrong.
std::string ApplyChannelPlan(Document& doc, const ChannelPlan& plan);

}  // namespace kv
