// Texts of the application shell.
#include "app/shell_texts.h"

namespace kv {

const ShellTextTable& ShellTexts() {
    static const ShellTextTable table = [] {
        ShellTextTable t;
        t.LanguageWindowCaption = {"Language Setup", "语言设置"};
        t.LanguageModeLabel = {"Language Mode", "语言模式"};
        t.FileNameLabel = {"File Name", "文件名"};
        t.PortWindowCaption = {"Communication Port", "通信端口"};
        t.PortLabel = {"COM", "通信口"};
        t.StatusPanel = {"状态", "状态"};
        t.TreeRoot = {kAppTitle, kAppTitle};
        t.UnknownSystem = {"未知操作系统", "未知操作系统"};
        t.YesButton = {"&Yes", "是(&Y)"};
        t.NoButton = {"&No", "否(&N)"};
        t.AboutCaption = {"About KV-7700", "关于 KV-7700"};
        t.AboutVersionLabel = {"Version", "版本"};
        t.AboutDescription = {"KV-7700 RADIO PROGRAMMING SOFTWARE", "KV-7700 对讲机编程软件 "};
        t.AboutRadioLabel = {"FOR KV-7700 RADIO", "用于 KV-7700 机型"};
        t.AboutDisclaimer = {
            "This program changes the settings stored in your radio. Save the radio's data to a "
            "file before you write to it, and check that every channel you program is one you "
            "are licensed to use. The software is provided as is, without any warranty.",
            "本软件会改写对讲机中保存的设置。写入之前请先将对讲机的数据保存为文件，"
            "并确认所编程的每个信道都在您获准使用的范围之内。本软件按现状提供，不附带任何担保。"};
        t.SystemInfoButton = {"&System Info...", "系统信息(&S)..."};
        t.SystemInfoUnavailable = {"此时系统信息不可用", "此时系统信息不可用"};
        return t;
    }();
    return table;
}

const TextPair& LanguageName(int languageNamed) {
    static const TextPair english{"English", "英语"};
    static const TextPair chinese{"Chinese", "中文"};
    return languageNamed == kLanguageChinese ? chinese : english;
}

TextPair AboutVersionText() {
    const std::string number = std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) +
                               "." + std::to_string(kVersionRevision);
    const TextPair& label = ShellTexts().AboutVersionLabel;
    return {label.en + " " + number, label.zh + " " + number};
}

}  // namespace kv
