// Texts of the recovery after a crash.
#include "app/recovery_texts.h"

namespace kv {

TextPair RestoreQuestionText(const std::string& documentName, const std::string& takenAt) {
    return {"The program ended without saving the changes to \"" + documentName +
                "\".\r\nRestore the document as it was at " + takenAt +
                "?\r\n\r\nNo discards these changes.",
            "程序上次结束时未保存对“" + documentName + "”的修改。\r\n是否恢复该文件在 " + takenAt +
                " 时的内容？\r\n\r\n选择“否”将放弃这些修改。"};
}

TextPair RecoveryDamagedText(const std::string& asidePath) {
    return {
        "A recovery file of unsaved changes is damaged and cannot be restored. Nothing was "
        "opened; the file was kept as\r\n" +
            asidePath,
        "未保存修改的恢复文件已损坏，无法恢复。未打开任何内容；该文件已保留为\r\n" + asidePath};
}

TextPair RecoveryOtherVersionText(const std::string& version, const std::string& asidePath) {
    const std::string named = version.empty() ? "another version" : "version " + version;
    const std::string namedZh = version.empty() ? "其他版本" : "版本 " + version;
    return {"A recovery file of unsaved changes was written by " + named +
                " of the program and cannot be restored by this one. Nothing was opened; the "
                "file was kept as\r\n" +
                asidePath,
            "未保存修改的恢复文件由本程序的" + namedZh +
                "写入，此版本无法恢复。未打开任何内容；该文件已保留为\r\n" + asidePath};
}

}  // namespace kv
