#include "app/locale_ids.h"

#include <gtest/gtest.h>

#include "model/text_pair.h"

namespace kv {
namespace {

TEST(LocaleIdFor, MapsLocaleNamesToWindowsIdentifiers) {
    struct Case {
        const char* Name;
        const char* Hex;
    };
    const Case cases[] = {
        {"zh_CN", "804"}, {"zh_TW", "404"},       {"zh_SG", "1004"},     {"zh_HK", "C04"},
        {"de_DE", "407"}, {"en_US", "409"},       {"en_GB", "809"},      {"fr_CA", "C0C"},
        {"zh-CN", "804"}, {"zh_CN.UTF-8", "804"}, {"de_DE@euro", "407"}, {"zh_Hans_CN", "804"},
        {"ZH_cn", "804"}, {"de_BR", "407"},  // territory not listed: the language's primary
                                             // identifier
        {"de", "407"},    {"C", "409"},           {"POSIX", "409"},      {"", "409"},
        {"xx_YY", "409"},
    };
    for (const auto& c : cases) EXPECT_EQ(LocaleHex(LocaleIdFor(c.Name)), c.Hex) << c.Name;
}

TEST(LocaleHex, IsUpperCaseWithoutLeadingZeros) {
    EXPECT_EQ(LocaleHex(0x0804), "804");
    EXPECT_EQ(LocaleHex(0x0C04), "C04");
    EXPECT_EQ(LocaleHex(0x1004), "1004");
    EXPECT_EQ(LocaleHex(0), "0");
}

TEST(LanguageForLocaleHex, OnlyChinaGivesSimplifiedChinese) {
    EXPECT_EQ(LanguageForLocaleHex("804"), kLanguageChinese);
    for (const char* hex : {"404", "1004", "C04", "1404", "409", "407", "0804", "", "80"})
        EXPECT_EQ(LanguageForLocaleHex(hex), kLanguageEnglish) << hex;
}

}  // namespace
}  // namespace kv
