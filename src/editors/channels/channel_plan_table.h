// The channel plan table the templates are made from (data/channel_plan.csv), built into the
// program so the rules that need a group's plan read the very same rows.
#pragma once

#include <string_view>

namespace kv {

// The text of the table, as the data file holds it.
std::string_view ChannelPlanTableText();

}  // namespace kv
