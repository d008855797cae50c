// The texts the main window composes from the document.
#include "app/document_title.h"

#include "app/shared_messages.h"
#include "app/shell_texts.h"

namespace kv {

std::string FileNamePart(const std::string& path) {
    const auto cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string ModelPanelText(const std::string& bandRangeText) {
    return std::string(kAppTitle) + "[" + bandRangeText + "]";
}

std::string MainWindowTitle(const std::string& bandRangeText, const std::string& documentName,
                            int language) {
    return ModelPanelText(bandRangeText) + "[" + ShellTexts().FileNameLabel.in(language) + ":" +
           FileNamePart(documentName) + "]";
}

TextPair OverwriteQuestionFor(const std::string& documentName) {
    const std::string quoted = "\"" + FileNamePart(documentName) + "\"";
    const TextPair& question = SharedMessages().OverwriteQuestion;
    return {quoted + question.en, quoted + question.zh};
}

}  // namespace kv
