// The captions of the channel window and the group names window in both languages, and the
// names of the operations whose failures the channel window reports.
#pragma once

#include <array>
#include <string>

#include "model/text_pair.h"

namespace kv {

struct ChannelWindowTexts {
    TextPair Caption{"Channel Information", "信道信息"};
    TextPair BandLabel{"Select HF/HAM", "模式选择"};
    TextPair GroupLabel{"Band", "组"};
    TextPair ChannelHeader{"CH No.", "信道"};
    TextPair FrequencyHeader{"Frequency", "频率"};
    std::array<std::string, 3> BandEntries{"CB -- 26.96500 - 27.86125 MHz",
                                           "HF -- 24.7150 - 30.1050 MHz",
                                           "HAM -- 28.0000 - 29.7000 MHz"};
};

const ChannelWindowTexts& ChannelTexts();

struct GroupNameTexts {
    TextPair Caption{"Group Name", "Group Name"};
    std::array<std::string, 3> Headers{"Name", "Group Frequency", "Rename"};
};

const GroupNameTexts& GroupNameWindowTexts();

// The message of a failed operation: the operation's name, the same in both languages.
inline TextPair OperationFailedText(const char* operation) {
    return {operation, operation};
}

}  // namespace kv
