// The pages of the user guide.
#include "app/user_guide.h"

#include "app/main_window_tables.h"

namespace kv {

const std::vector<GuidePage>& GuidePages() {
    static const std::vector<GuidePage> pages = {
        {"index.html", "frmMain", {"Getting started", "入门"}},
        {"reading.html", "", {"Reading the radio", "读取对讲机"}},
        {"editing.html", "", {"Editing", "编辑"}},
        {"saving.html", "", {"Saving and opening data files", "保存与打开数据文件"}},
        {"writing.html", "", {"Writing the radio", "写入对讲机"}},
        {"backups.html", "", {"Restoring a backup", "恢复备份"}},
        {"recovery.html", "", {"After a crash", "程序意外结束之后"}},
        {"channels.html", kChannelWindow, {"Channel Information window", "信道信息窗口"}},
        {"settings.html", kSettingsWindow, {"Option Features window", "功能设置窗口"}},
        {"roger-beep.html", kRogerBeepWindow, {"Roger Beep window", "Roger Beep 窗口"}},
        {"dtmf.html", kDtmfWindow, {"DTMF window", "DTMF 窗口"}},
        {"emergency.html", kEmergencyWindow, {"Emergency channel window", "紧急信道窗口"}},
        {"dual-watch.html", kDualWatchWindow, {"Dual-watch channel window", "双守信道窗口"}},
        {"memory-key.html", kMemoryKeyWindow, {"Memory channel window", "存储信道窗口"}},
        {"weather.html", kWeatherWindow, {"Weather channel window", "天气信道窗口"}},
        {"group-names.html", kGroupNameWindow, {"Group Name window", "组名窗口"}},
        {"port.html", "frmCommSet", {"Communication port window", "通信端口窗口"}},
        {"find-radio.html", "frmFindRadio", {"Find the radio", "查找对讲机"}},
        {"language.html", "frmLanguage", {"Language window", "语言窗口"}},
        {"cli.html", "", {"The command-line companion", "命令行工具"}},
        {"simulator.html", "", {"The simulated radio", "模拟对讲机"}},
    };
    return pages;
}

std::string GuidePageFor(std::string_view windowName) {
    for (const GuidePage& page : GuidePages())
        if (*page.Window != '\0' && windowName == page.Window) return page.File;
    return GuidePages().front().File;
}

std::string GuideFolder(int language) {
    return language == kLanguageChinese ? "guide/zh" : "guide/en";
}

const TextPair& GuideCaption() {
    static const TextPair caption{"KV-7700 User Guide", "KV-7700 用户指南"};
    return caption;
}

TextPair GuideMissingText(const std::string& path) {
    return {"The user guide is not installed with this program:\r\n" + path,
            "本程序未安装用户指南：\r\n" + path};
}

}  // namespace kv
