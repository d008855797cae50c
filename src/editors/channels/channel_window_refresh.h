// How the channel rules ask an open channel window to redisplay itself. The window passes these
// when it calls the rules; other callers (tools, tests) leave them empty.
#pragma once

#include <functional>

namespace kv {

struct ChannelWindowRefresh {
    // Redisplays one grid row after its channel changed (reShowGrid).
    std::function<void(int row)> reShowGrid;
    // Rebuilds the work-channel list and shows the stored value (InitValidComboList, then
    // ShowValidComboText).
    std::function<void()> refreshWorkChannelBox;
};

}  // namespace kv
