// The texts a radio session raises.
#include "link/link_texts.h"

namespace kv {

TextPair ModelWrongText() {
    return {"Model type is wrong.", "机型类型错误。"};
}

TextPair CannotOpenPortText() {
    return {"Cannot Open Communication Port.", "无法打开通信端口。"};
}

TextPair ReadCompletedText() {
    return {"Read Data Completed.", "读取数据完成。"};
}

TextPair WriteCompletedText() {
    return {"Write Data Completed.", "写入数据完成。"};
}

TextPair PortLostText() {
    return {"The communication port failed during the transfer (was the cable unplugged?).",
            "传输过程中通信端口出错（数据线是否已拔出？）。"};
}

}  // namespace kv
