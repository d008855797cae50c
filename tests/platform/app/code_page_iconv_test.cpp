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

TEST(AnsiCodePageFor, FollowsTheSystemLocale) {
    EXPECT_EQ(&AnsiCodePageFor("804"), &Gbk());
    EXPECT_EQ(&AnsiCodePageFor("1004"), &Gbk());
    EXPECT_EQ(&AnsiCodePageFor("404"), &Big5());
    EXPECT_EQ(&AnsiCodePageFor("407"), &Windows1252());
    EXPECT_EQ(&AnsiCodePageFor("409"), &Windows1252());
}

TEST(LocaleFacts, IdentifyTheLocaleAndTheSystemVersion) {
    EXPECT_EQ(LocaleFactsFor("zh_CN").SystemLocaleHex, "804");
    EXPECT_EQ(LocaleFactsFor("de_DE").SystemLocaleHex, "407");
    const LocaleFacts facts = LocaleFactsFor("en_US");
    EXPECT_GT(facts.OsMajorVersion, 0);
    EXPECT_FALSE(facts.IsVistaOrSimilar);
    EXPECT_FALSE(SystemLocaleFacts().SystemLocaleHex.empty());
}

}  // namespace
}  // namespace kv
