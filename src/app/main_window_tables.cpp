// The main window's menus, toolbar buttons and tree nodes.
#include "app/main_window_tables.h"

namespace kv {
namespace {

constexpr MenuRow kTop = MenuRow::TopMenu;
constexpr MenuRow kItem = MenuRow::Item;
constexpr MenuRow kBar = MenuRow::Separator;

std::span<const MenuItemRow> MenuTable() {
    static const MenuItemRow rows[] = {
        {kTop, "mnuFile", {"&File", "文件&F"}, true, "", false},
        {kItem, "mnuFileNew", {"&New", "新建(&N)"}, true, "Ctrl+N", false},
        {kItem, "mnuFileOpen", {"&Open", "打开(&O)"}, true, "Ctrl+O", false},
        {kItem, "mnuFileSave", {"&Save", "保存(&S)"}, true, "Ctrl+S", false},
        {kItem, "mnuFileSaveAs", {"Save &As", "另存为(&A)"}, true, "", false},
        {kBar, "mnuFileBar0", {}, true, "", false},
        {kItem, "mnuFilePrint", {"&Print…", "打印(&P)…"}, true, "Ctrl+P", false},
        {kItem, "mnuFilePrintPreview", {"Print Pre&view…", "打印预览(&V)…"}, true, "", false},
        {kItem, "mnuFileExportPdf", {"&Export PDF…", "导出 PDF(&E)…"}, true, "", false},
        {kBar, "mnuFileBarExchange", {}, true, "", false},
        {kItem, "mnuFileExportChannels", {"Export C&hannels…", "导出信道(&H)…"}, true, "", false},
        {kItem, "mnuFileImportChannels", {"&Import Channels…", "导入信道(&I)…"}, true, "", false},
        {kItem, "mnuFileCompare", {"Co&mpare With File…", "与文件比较(&M)…"}, true, "", false},
        {kBar, "mnuFileBar1", {}, true, "", false},
        {kBar, "mnuFileBarRecent", {}, false, "", false},  // shown while files are listed
        {kItem, "mnuFileExit", {"E&xit", "退出(&X)"}, true, "Ctrl+Q", false},
        {kTop, "mnuModel", {"&Model", "机型(&M)"}, false, "", false},
        {kItem, "mnuModelInfo", {"&Model Information", "机型信息(&M)"}, false, "", false},
        {kTop, "mnuBand", {"&Band", "频段(&B)"}, false, "", false},
        {kItem, "mnuBandCheck", {"Check Radio &Band", "检查机器频段(&B)"}, false, "", false},
        {kItem,
         "mnuBandCheckFreq",
         {"Check All Channel &Frequency", "有效频率检测(&F)"},
         false,
         "",
         false},
        {kTop, "mnuEdit", {"&Edit", "编辑(&E)"}, true, "", false},
        {kItem, "mnuUndo", {"Undo", "撤销"}, true, "Ctrl+Z", false},
        {kItem, "mnuRedo", {"Redo", "重做"}, true, "Ctrl+Y", false},
        {kBar, "mnuEditBarFind", {}, true, "", false},
        {kItem, "mnuFind", {"&Find…", "查找(&F)…"}, true, "Ctrl+F", false},
        {kItem, "mnuFindNext", {"Find &Next", "查找下一个(&N)"}, true, "F3", false},
        {kBar, "mnuEditBarUndo", {}, true, "", false},
        {kItem, "mnuChannelInfo", {"&Channel Information", "信道信息(&C)"}, true, "", false},
        {kBar, "mnuEditBar0", {}, true, "", false},
        {kItem, "mnuOptionFeatures", {"&Option Features", "可选功能(&O)"}, true, "", false},
        {kItem, "mnuRogerBeep", {"&Roger Beep", "RB音(&R)"}, true, "", false},
        {kItem, "mnuKeyAssignment", {"&Key Assignment", "键设置(&K)"}, false, "", false},
        {kItem, "mnuScanInfo", {"&Scan Information", "扫描信息(&S)"}, false, "", false},
        {kBar, "mnuEditBar1", {}, false, "", false},
        {kItem, "mnuDTMF", {"&DTMF", "DTMF(双音多频)(&D)"}, false, "", false},
        {kItem, "mnuFleetSync", {"&Fleet Sync", "Fleet Sync(队列同步)(&F)"}, false, "", false},
        {kBar, "mnuEditBar2", {}, false, "", false},
        {kItem, "mnuTestFreq", {"&Test FreQuence", "测试频率(&T)"}, false, "", false},
        {kItem, "mnuLocalInfo", {"Local &Information", "本机信息(&I)"}, false, "", false},
        {kItem, "mnuEmbeddedMsg", {"Embedded &Message", "嵌入信息(&M)"}, false, "", false},
        {kTop, "mnuProgram", {"&Program", "编程(&P)"}, true, "", false},
        {kItem, "mnuReadFromRadio", {"&Read from Radio", "从对讲机读取数据(&R)"}, true, "", false},
        {kItem, "mnuWriteToRadio", {"&Write to Radio", "向对讲机写入数据(&W)"}, true, "", false},
        {kItem, "mnuTestMode", {"&Test Mode", "测试模式(&T)"}, false, "", false},
        {kItem,
         "mnuWriteGroupRadios",
         {"Write to &Group of Radios", "成批向对讲机写入数据(&G)"},
         false,
         "",
         false},
        {kTop, "mnuTools", {"&Tools", "工具(&T)"}, false, "", false},
        {kItem, "mnuRadioInfo", {"&Radio Information", "对讲机信息(&R)"}, false, "", false},
        {kItem,
         "mnuSetRadioInfo",
         {"&Set Radio Information", "设置对讲机信息(&S)"},
         false,
         "",
         false},
        {kTop, "mnuSetup", {"&Setup", "设置(&S)"}, true, "", false},
        {kItem, "mnuCommPort", {"&Communication Port", "通讯端口(&C)"}, true, "", false},
        {kItem, "mnuLanguageSetup", {"&Language Setup", "语言设置(&L)"}, true, "", false},
        {kItem, "mnuInitialSetting", {"&Initial Setting", "初始化设置(&I)"}, true, "", false},
        {kBar, "mnuSetupBar0", {}, true, "", false},
        {kItem,
         "mnuBackupBeforeWrite",
         {"&Back Up Before Writing", "写入前备份(&B)"},
         true,
         "",
         true},
        {kItem, "mnuVerifyAfterWrite", {"&Verify After Writing", "写入后校验(&V)"}, true, "", true},
        {kItem,
         "mnuRadioHfBands",
         {"Radio with HF and 10 m bands", "对讲机带 HF 和 10 米波段"},
         true,
         "",
         true},
        {kTop, "mnuListEdit", {"Tools", "Tools"}, true, "", false},
        {kItem, "mnuCopy", {"Copy", "Copy"}, true, "Ctrl+C", false},
        {kItem, "mnuCut", {"Cut", "Cut"}, true, "Ctrl+X", false},
        {kItem, "mnuPaste", {"Paste", "Paste"}, true, "Ctrl+V", false},
        {kItem, "mnuInsertPaste", {"Insert&Paste", "Insert&Paste"}, true, "Ctrl+I", false},
        {kItem, "mnuDelete", {"Delete", "Delete"}, true, "Del", false},
        {kBar, "mnuListEditBarOrder", {}, true, "", false},
        {kItem,
         "mnuSortGroup",
         {"Sort Group by &Frequency", "按频率排序本组(&F)"},
         true,
         "",
         false},
        {kItem, "mnuMoveUp", {"Move &Up", "上移(&U)"}, true, "Ctrl+Shift+Up", false},
        {kItem, "mnuMoveDown", {"Move &Down", "下移(&D)"}, true, "Ctrl+Shift+Down", false},
        {kTop, "mnuView", {"&View", "视图(&V)"}, true, "", false},
        {kItem, "mnuViewTree", {"Tree &View", "树视图(&V)"}, true, "", true},
        {kBar, "mnuViewBar0", {}, true, "", false},
        {kItem, "mnuViewToolbar", {"&Toolbar", "工具栏(&T)"}, true, "", true},
        {kItem, "mnuViewStatusBar", {"&Status Bar", "状态栏(&S)"}, true, "", true},
        {kBar, "mnuViewBar1", {}, true, "", false},
        {kItem, "mnuViewBandMap", {"&Band Map…", "频段图(&B)…"}, true, "", false},
        {kTop, "mnuWindow", {"&Window", "窗口(&W)"}, true, "", false},
        {kItem, "mnuWindowCascade", {"&Cascade", "层叠(&C)"}, true, "", false},
        {kItem,
         "mnuWindowTileHorizontal",
         {"Tile Windows &Horizontally", "横向平铺窗口(&H)"},
         false,
         "",
         false},
        {kItem,
         "mnuWindowTileVertical",
         {"Tile Windows &Vertically", "纵向平铺窗口(&V)"},
         false,
         "",
         false},
        {kItem, "mnuWindowArrangeIcons", {"&Arrange Icons", "排列图标(&A)"}, false, "", false},
        {kBar, "mnuWindowBar0", {}, true, "", false},
        {kItem, "mnuWindowCloseAll", {"Close All &Windows", "关闭所有窗口(&W)"}, true, "", false},
        {kBar, "mnuWindowBar1", {}, false, "", false},
        {kTop, "mnuHelp", {"&Help", "帮助(&H)"}, true, "", false},
        {kItem, "mnuHelpGuide", {"&User Guide", "用户指南(&U)"}, true, "F1", false},
        {kItem, "mnuHelpTopics", {"&Help topics", "帮助主题(&H)"}, false, "", false},
        {kBar, "mnuHelpBar0", {}, false, "", false},
        {kItem,
         "mnuOpenBackupFolder",
         {"Open &Backup Folder", "打开备份文件夹(&B)"},
         true,
         "",
         false},
        {kItem,
         "mnuSaveDiagnosticReport",
         {"Save &Diagnostic Report…", "保存诊断报告(&D)…"},
         true,
         "",
         false},
        {kBar, "mnuHelpBar1", {}, true, "", false},
        {kItem, "mnuHelpAbout", {"&About KV-7700", "关于 KV-7700(&A)"}, true, "", false},
    };
    return rows;
}

}  // namespace

std::span<const MenuItemRow> MainMenuRows() {
    return MenuTable();
}

const MenuItemRow* FindMenuRow(std::string_view name) {
    for (const auto& row : MenuTable())
        if (name == row.Name) return &row;
    return nullptr;
}

std::span<const ToolbarButtonRow> ToolbarRows() {
    static const ToolbarButtonRow rows[] = {
        {ToolbarRow::Button, "新建", "tbrNew", "新建", true, "mnuFileNew"},
        {ToolbarRow::Button, "打开", "tbrOpen", "打开", true, "mnuFileOpen"},
        {ToolbarRow::Button, "保存", "tbrSave", "保存", true, "mnuFileSave"},
        {ToolbarRow::Separator, "", "tbrBar0", "", true, ""},
        {ToolbarRow::Button, "打印", "tbrPrint", "打印", true, "mnuFilePrint"},
        {ToolbarRow::Separator, "", "tbrBar1", "", true, ""},
        {ToolbarRow::Button, "ReadRadio", "tbrReadRadio", "读取", true, "mnuReadFromRadio"},
        {ToolbarRow::Button, "CommSet", "tbrCommSet", "串口", true, "mnuCommPort"},
        {ToolbarRow::Button, "WriteRadio", "tbrWriteRadio", "写入", true, "mnuWriteToRadio"},
        {ToolbarRow::Separator, "", "tbrBar2", "", true, ""},
        {ToolbarRow::Button, "MWriteRadio", "tbrMWriteRadio", "", false, ""},
        {ToolbarRow::Separator, "", "tbrBar3", "", true, ""},
        {ToolbarRow::Button, "About", "tbrAbout", "关于", true, "mnuHelpAbout"},
    };
    return rows;
}

std::span<const TreeNodeRow> TreeRows() {
    static const TreeNodeRow rows[] = {
        {"N1", {}, "mnuChannelInfo", kChannelWindow},
        {"N2", {}, "mnuOptionFeatures", kSettingsWindow},
        {"N12", {"Roger Beep", "RB音"}, "", kRogerBeepWindow},
        {"N5", {}, "mnuDTMF", kDtmfWindow},
        {"N3", {"Emg Channel Setting", "Emg Channel Setting"}, "", kEmergencyWindow},
        {"N4", {"DW Channel Setting", "DW Channel Setting"}, "", kDualWatchWindow},
        {"N6", {"MEM Channel Setting", "MEM Channel Setting"}, "", kMemoryKeyWindow},
        {"N7", {"Weather Channel", "Weather Channel"}, "", kWeatherWindow},
        {"N8", {"Group Name", "Group Name"}, "", kGroupNameWindow},
    };
    return rows;
}

std::string CaptionWithoutAccessKey(const std::string& caption) {
    std::string out = caption;
    const auto marker = out.find('&');
    if (marker == std::string::npos) return out;
    // "打开(&O)": the key letter in brackets goes with its marker.
    if (marker >= 1 && out[marker - 1] == '(' && marker + 2 < out.size() && out[marker + 2] == ')')
        return out.erase(marker - 1, 4);
    return out.erase(marker, 1);
}

}  // namespace kv
