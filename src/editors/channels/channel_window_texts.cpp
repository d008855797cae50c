// Caption tables of the channel window and the group names window.
#include "editors/channels/channel_window_texts.h"

namespace kv {

const ChannelWindowTexts& ChannelTexts() {
    static const ChannelWindowTexts texts;
    return texts;
}

const GroupNameTexts& GroupNameWindowTexts() {
    static const GroupNameTexts texts;
    return texts;
}

}  // namespace kv
