// The shared message table. Texts a subsystem owns are taken from it, so each is written once.
#include "app/shared_messages.h"

#include "editors/channels/freq_text.h"
#include "files/data_file.h"
#include "link/link_texts.h"

namespace kv {

TextPair JoinLines(const TextPair& first, const TextPair& second) {
    return {first.en + "\r\n" + second.en, first.zh + "\r\n" + second.zh};
}

TextPair ImageFileError(const std::string& path, const TextPair& reason) {
    const TextPair& head = SharedMessages().FileError;
    return {head.en + "\n" + path + ": " + reason.en, head.zh + "\n" + path + "：" + reason.zh};
}

const SharedMessageTable& SharedMessages() {
    static const SharedMessageTable table = [] {
        const TextPair wishContinue{"Do you wish continue?", "是否继续？"};
        SharedMessageTable t;
        t.NewDocumentWarning = {"All data will be cleared.", "所有数据将被清空。"};
        t.DataFileLabel = {"Data File", "数据文件"};
        t.FileError = FileErrorText();
        t.CannotOpenPort = CannotOpenPortText();
        t.ReadConfirmation =
            JoinLines({"Read data from radio.", "从对讲机读取数据。"}, wishContinue);
        t.WriteConfirmation =
            JoinLines({"Write data to radio.", "向对讲机写入数据。"}, wishContinue);
        t.UnsavedChanges = {"File has been modify,save it now?",
                            "当前文件已被修改，是否现在保存？"};
        t.OverwriteQuestion = {"file will be Overwrite,Continue?", "文件将被覆盖，是否继续？"};
        t.ReadCompleted = ReadCompletedText();
        t.WriteCompleted = WriteCompletedText();
        t.WrongModel = ModelWrongText();
        t.FrequencyOutOfRange = FreqOutOfRangeText();
        t.OkButton = {"&OK", "确定(&O)"};
        t.CancelButton = {"&Cancel", "取消(&C)"};
        t.CloseButton = {"&Close", "关闭(&C)"};
        t.HelpButton = {"&Help", "帮助(&H)"};
        return t;
    }();
    return table;
}

}  // namespace kv
