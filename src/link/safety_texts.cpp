// Texts of the safety net around the radio.
#include "link/safety_texts.h"

#include "model/memory_image.h"

namespace kv {

const SafetyTextTable& SafetyTexts() {
    static const SafetyTextTable table = [] {
        SafetyTextTable t;
        t.RadioImageLabel = {"Radio image", "对讲机映像"};
        t.DiagnosticReportLabel = {"Diagnostic report", "诊断报告"};
        t.ReportSaved = {"The diagnostic report has been saved:", "诊断报告已保存："};
        t.BackupNotKept = {"The radio's data was read, but its backup could not be kept:",
                           "已读取对讲机数据，但无法保存其备份："};
        t.FolderNotOpened = {"The backup folder could not be shown. It is:",
                             "无法显示备份文件夹。其位置为："};
        return t;
    }();
    return table;
}

TextPair UnreadableImageReason() {
    return {"the file cannot be read", "无法读取该文件"};
}

TextPair WrongImageSizeReason(unsigned long long size) {
    const std::string have = std::to_string(size);
    const std::string want = std::to_string(MemoryImage::size());
    return {"the file has " + have + " bytes; a radio image has " + want,
            "该文件有 " + have + " 字节；对讲机映像应为 " + want + " 字节"};
}

}  // namespace kv
