// print IN OUT.pdf [--paper a4|letter] [--language en|zh]: the channel sheet of a data file pair
// or a radio image as a PDF file, rendered offscreen exactly as the program prints it. The
// language is the program's current one unless given.
#include <iostream>

#include "app/channel_sheet.h"
#include "app/startup_settings.h"
#include "cli_link.h"
#include "cli_support.h"
#include "command.h"
#include "files/data_file.h"
#include "gui/sheet_document.h"
#include "output_guard.h"
#include "platform/settings_file.h"

namespace kv::cli {
namespace {

int ProgramLanguage() {
    const SettingsFile settings(SettingsFilePath(), SettingsFilePath());
    const auto stored = settings.read(QString::fromLatin1(kSettingsSection),
                                      QString::fromLatin1(kKeyCurrentLanguage));
    const int language = stored ? ParseSettingInt(*stored).value_or(kLanguageEnglish) : 0;
    return language == kLanguageChinese ? kLanguageChinese : kLanguageEnglish;
}

std::unique_ptr<Document> OpenDocument(const std::string& path) {
    if (!IsImageFileName(path)) return OpenPair(path);
    const auto image = ReadImage(path);
    if (!image) return nullptr;
    auto doc = std::make_unique<Document>();
    DecodeImage(*image, doc->Working, SystemCodec());
    doc->DocumentName = path;
    return doc;
}

}  // namespace

int RunPrint(Arguments arguments) {
    std::vector<std::string> files;
    QPageSize::PageSizeId paper = QPageSize::A4;
    int language = ProgramLanguage();
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        const bool takesValue = word == "--paper" || word == "--language";
        if (takesValue && i + 1 >= arguments.size()) return Usage(word + " needs a value");
        if (word == "--paper") {
            const std::string& value = arguments[++i];
            if (value != "a4" && value != "letter") return Usage("--paper takes a4 or letter");
            paper = value == "a4" ? QPageSize::A4 : QPageSize::Letter;
        } else if (word == "--language") {
            const std::string& value = arguments[++i];
            if (value != "en" && value != "zh") return Usage("--language takes en or zh");
            language = value == "zh" ? kLanguageChinese : kLanguageEnglish;
        } else if (word.starts_with("--")) {
            return Usage("unknown option " + word);
        } else {
            files.push_back(word);
        }
    }
    if (files.size() != 2) return Usage("print takes one data file (or .img) and one PDF file");
    if (const auto refused = OutputOverwritesInput({{files[1]}}, {DocumentFile(files[0])}))
        return *refused;
    const auto doc = OpenDocument(files[0]);
    if (!doc) return kExitFailure;
    const auto failure = WriteSheetPdf(BuildChannelSheet(*doc, language, SystemCodec()),
                                       QString::fromStdString(files[1]), paper);
    if (failure) return Fail(files[1] + ": cannot be written: " + FileFailureReason(*failure).en);
    return kExitOk;
}

}  // namespace kv::cli
