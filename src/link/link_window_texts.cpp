// Texts of the radio link's own windows.
#include "link/link_window_texts.h"

namespace kv {

const LinkWindowTextTable& LinkWindowTexts() {
    static const LinkWindowTextTable table = [] {
        LinkWindowTextTable t;
        t.ReadCaption = {"Read data from radio", "从对讲机读取数据"};
        t.WriteCaption = {"Write data to radio", "向对讲机写入数据"};
        t.ProgressLabel = {"Completion percentage:", "完成进度:"};
        t.SetProgressValueError = {"SetProgressValueError", "SetProgressValueError"};
        t.AbandonQuestion = {"The transfer is still running.\r\nStop it now?",
                             "数据传输仍在进行。\r\n是否立即停止？"};
        t.AddPathLabel = {"Device:", "设备:"};
        t.AddButton = {"&Add", "添加(&A)"};
        t.AddedByHand = {"added by hand", "手动添加"};
        t.NotPresent = {"not present: check the cable", "不存在：请检查连接线"};
        t.PathMissing = {"This device does not exist:", "该设备不存在："};
        t.NotSerialDevice = {"This is not a serial device:", "这不是串行设备："};
        t.NoFreeNumber = {
            "Every port number is in use; remove an entry from the [ports] section "
            "of the settings file first.",
            "所有端口号均已被占用；请先从设置文件的 [ports] 节中删除一项。"};
        return t;
    }();
    return table;
}

const TextPair& ProgressCaption(TransferKind kind) {
    const LinkWindowTextTable& t = LinkWindowTexts();
    return kind == TransferKind::Write ? t.WriteCaption : t.ReadCaption;
}

std::string PercentText(int percent) {
    return std::to_string(percent) + "%";
}

TextPair WithDetail(const TextPair& message, const std::string& detail) {
    return {message.en + "\n" + detail, message.zh + "\n" + detail};
}

}  // namespace kv
