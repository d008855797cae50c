#include "platform/code_page_iconv.h"

#include <gtest/gtest.h>

#include "platform/ansi_code_page.h"
#include "platform/locale_facts.h"

namespace kv {
namespace {

TEST(GbkCodePage, ConvertsChineseBothWays) {
    const std::string bytes =
        "\xD6\xD0\xCE\xC4"
        "AB";  // "中文AB"
    EXPECT_EQ(Gbk().toUtf16(bytes), u"中文AB");
    EXPECT_EQ(Gbk().fromUtf16(u"中文AB"), bytes);
    EXPECT_EQ(Gbk().fromUtf16(u""), "");
}

TEST(GbkCodePage, ReplacesWhatItCannotConvert) {
    // Thai and a character outside the basic plane have no GBK form.
    EXPECT_EQ(Gbk().fromUtf16(u"A\u0E01B"), "A?B");
    EXPECT_EQ(Gbk().fromUtf16(u"A\U0001F600B"), "A?B");
    // 0x80 starts no character; a lead byte at the end has no trail byte.
    EXPECT_EQ(Gbk().toUtf16("A\xFF"
                            "B"),
              u"A\uFFFDB");
    EXPECT_EQ(Gbk().toUtf16("A\xD6"), u"A\uFFFD");
}

TEST(Big5CodePage, ConvertsTraditionalChinese) {
    EXPECT_EQ(Big5().toUtf16("\xA4\xA4\xA4\xE5"), u"中文");
}

// From the system's locale name to its identifier and to the code page the program then uses
// for texts in the radio and the files: the facts that decide what a user sees.
TEST(LocaleFacts, LocaleNameGivesTheIdentifierAndTheCodePage) {
    struct Case {
        const char* localeName;
        const char* localeHex;
        const CodePage* codePage;
    };
    const Case cases[] = {
        {"zh_CN", "804", &Gbk()},         {"zh_CN.UTF-8", "804", &Gbk()},
        {"zh_SG", "1004", &Gbk()},        {"zh_TW", "404", &Big5()},
        {"de_DE", "407", &Windows1252()}, {"de-DE", "407", &Windows1252()},
        {"en_US", "409", &Windows1252()}, {"en_GB", "809", &Windows1252()},
        {"C", "409", &Windows1252()},     {"POSIX", "409", &Windows1252()},
    };
    for (const auto& c : cases) {
        const LocaleFacts facts = LocaleFactsFor(c.localeName);
        EXPECT_EQ(facts.LocaleName, c.localeName);
        EXPECT_EQ(facts.SystemLocaleHex, c.localeHex) << c.localeName;
        EXPECT_EQ(&AnsiCodePageFor(facts.SystemLocaleHex), c.codePage) << c.localeName;
    }
}

}  // namespace
}  // namespace kv
