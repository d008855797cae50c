// print IN OUT.pdf [--paper a4|letter] [--language en|zh]: the channel sheet of a data file pair
// or a radio image as a PDF file, rendered offscreen exactly as the program prints it. The
// language is the program's current one unless given.
#include <iostream>

#include "app/channel_sheet.h"
#include "app/startup_settings.h"
#include "cli_link.h"
#include "cli_support.h"
#include "command.h"
#include "gui/sheet_document.h"
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
        const bool hasValue = i + 1 < arguments.size();
        if (word == "--paper" && hasValue) {
            const std::string& value = arguments[++i];
            if (value != "a4" && value != "letter") return Fail("--paper takes a4 or letter");
            paper = value == "a4" ? QPageSize::A4 : QPageSize::Letter;
        } else if (word == "--language" && hasValue) {
            const std::string& value = arguments[++i];
            if (value != "en" && value != "zh") return Fail("--language takes en or zh");
            language = value == "zh" ? kLanguageChinese : kLanguageEnglish;
        } else if (word.starts_with("--")) {
            return Fail("unknown option " + word);
        } else {
            files.push_back(word);
        }
    }
    if (files.size() != 2) return Fail("print takes one data file (or .img) and one PDF file");
    const auto doc = OpenDocument(files[0]);
    if (!doc) return kExitFailure;
    if (!WriteSheetPdf(BuildChannelSheet(*doc, language), QString::fromStdString(files[1]), paper))
        return Fail("cannot write " + files[1]);
    return kExitOk;
}

}  // namespace kv::cli
