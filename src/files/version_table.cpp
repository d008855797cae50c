// Version compatibility rules and the texts that go with them.
#include "files/version_table.h"

namespace kv {

std::pair<std::string, std::string> ParseVersionPair(const std::string& value) {
    const std::string first = value.substr(0, 4);
    const std::string last = value.size() >= 4 ? value.substr(value.size() - 4) : value;
    return {first, last};
}

bool IsCompatibleVersion(const VersionTable& table, const std::string& software,
                         const std::string& other) {
    for (const auto& [s, o] : table.Pairs)
        if (s == software && o == other) return true;
    return false;
}

std::string SoftwareVersionFor(const VersionTable& table, const std::string& other) {
    for (const auto& [s, o] : table.Pairs)
        if (o == other) return s;
    return {};
}

std::string FormatVersionMark(const std::string& mark) {
    const std::string head = mark.substr(0, 2);
    const std::string tail = mark.size() >= 2 ? mark.substr(mark.size() - 2) : mark;
    return head + "." + tail;
}

TextPair VersionMismatchText(const std::string& software, const std::string& other, int kind) {
    const TextPair question{
        "incompatible version. It may cause unknown error.To start the corresponding software "
        "version, or not?",
        "版本不兼容，有可能引起未知错误，是否启动对应版本软件？"};
    const TextPair firmware{"Firmware version is", "固件版本为"};
    const TextPair dataFile{"DataFile version is", "数据文件版本为"};
    const TextPair softwareLine{"programming software is", "写频软件版本为"};

    const std::string o = FormatVersionMark(other);
    const std::string s = FormatVersionMark(software);
    auto compose = [&](int language) {
        std::string kindLine;
        if (kind == static_cast<int>(VersionKind::Firmware))
            kindLine = "\r\n" + firmware.in(language) + " " + o;
        else if (kind == static_cast<int>(VersionKind::DataFile))
            kindLine = "\r\n" + dataFile.in(language) + " " + o;
        else
            kindLine = o;
        return question.in(language) + kindLine + "\r\n" + softwareLine.in(language) + " " + s;
    };
    return {compose(kLanguageEnglish), compose(kLanguageChinese)};
}

TextPair VersionMissingText() {
    return {"Fail to start the software. This version does not exist.",
            "未能启动，不存在此版本软件！"};
}

TextPair UnknownDataVersionText() {
    return {"Unknown version Of DataFile!", "未能识别的数据版本!"};
}

}  // namespace kv
