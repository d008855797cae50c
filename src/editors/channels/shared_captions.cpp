// The shared caption entries, one row per entry in the order of SharedCaption.
#include "editors/channels/shared_captions.h"

#include <array>
#include <cstddef>

namespace kv {
namespace {

const std::array<TextPair, 17> kSharedCaptions = {{
    {"Work Group", "工作组"},
    {"Group Name", "组名称"},
    {"Group Valid", "组有效"},
    {"Current Work Channel", "Current Work Channel"},
    {"MEM CHX", "当前MEM信道"},
    {"Del", "删除"},
    {"Add", "添加"},
    {"Disable", "不使用"},
    {"Enable", "使用"},
    {"Weather Channel", "气象信道"},
    {"Current Weather Channel", "当前气象信道"},
    {"Alert", "Alert"},
    {"Wx Scan State", "Wx Scan State"},
    {"Step", "Step"},
    {"Wx On/Off", "Wx On/Off"},
    {"Wx Vfo", "Wx Vfo"},
    {"Wx Sql", "Wx Sql"},
}};
static_assert(kSharedCaptions.size() == static_cast<std::size_t>(SharedCaption::WxSql) + 1);

}  // namespace

const TextPair& SharedCaptionText(SharedCaption entry) {
    return kSharedCaptions[static_cast<std::size_t>(entry)];
}

}  // namespace kv
