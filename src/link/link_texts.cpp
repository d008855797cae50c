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

TextPair NoAnswerText() {
    return {"The radio does not answer. Check that it is switched on, the cable and the port.",
            "对讲机没有应答。请检查对讲机是否开机、连接线和端口。"};
}

TextPair PartlyWrittenText() {
    return {
        "The transfer was stopped after part of the data had been written: the radio is only "
        "partly programmed. Write to the radio again before you use it.",
        "传输在部分数据写入后被停止：对讲机只被写入了一部分数据。使用前请重新向对讲机写入数据"
        "。"};
}

}  // namespace kv
