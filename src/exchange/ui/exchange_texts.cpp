// The exchange windows' text table.
#include "exchange/ui/exchange_texts.h"

namespace kv {

const ExchangeTextTable& ExchangeTexts() {
    static const ExchangeTextTable table{
        {"CSV File", "CSV 文件"},
        {"The channels were not written.", "信道未写入。"},
        {"The file {} was not imported.", "文件 {} 未导入。"},

        {"Export Channels", "导出信道"},
        {"Own format: every band and group, every field", "本程序格式：所有波段和组，所有字段"},
        {"Common open format of other programmers: one HF or HAM group",
         "其他编程软件通用的开放格式：一个 HF 或 HAM 组"},
        {"{} channel(s) were not written: the common format cannot carry them as the radio holds "
         "them.",
         "{} 个信道未写入：通用格式无法按对讲机所存的内容保存它们。"},

        {"Import Channels", "导入信道"},
        {"This file is in the common CSV format of other programmers. Import its channels into:",
         "此文件是其他编程软件通用的 CSV 格式。将其信道导入到："},
        {"Band", "波段"},
        {"Group", "组"},

        {"Import Channels - Preview", "导入信道 - 预览"},
        {"Channels to add or replace: {}", "将添加或替换的信道：{}"},
        {"added", "添加"},
        {"replaced", "替换"},
        {"Lines refused: {}", "拒绝的行：{}"},
        {"Fields dropped (this radio cannot carry them):", "丢弃的字段（本机无法保存）："},
        {"Lines taken with a change: {}", "有改动地接收的行：{}"},
        {"The file holds nothing this document can take.", "文件中没有本文档可以接收的内容。"},
        {"group name \"{}\"", "组名“{}”"},
        {"Change", "更改"},
        {"Channel", "信道"},
        {"Line", "行"},
        {"{} group {} CH {}", "{} 组 {} 信道 {}"},
        {"CB MEM {}", "CB 存储信道 {}"},

        {"Compare With File", "与文件比较"},
        {"{} difference(s) between this document (A) and {} (B). Double-click a line to open "
         "the window that shows it.",
         "共 {} 处差异：本文档 (A) 与 {} (B)。双击一行可打开显示它的窗口。"},
        {"This document and {} are equal.", "本文档与 {} 相同。"},
    };
    return table;
}

}  // namespace kv
