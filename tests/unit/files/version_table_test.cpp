#include "files/version_table.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

VersionTable TableOf(std::initializer_list<const char*> firmValues) {
    VersionTable table;
    for (const char* value : firmValues) table.Pairs.push_back(ParseVersionPair(value));
    return table;
}

TEST(VersionTable, PairIsFirstAndLastFourCharacters) {
    EXPECT_EQ(ParseVersionPair("V100-V101"),
              std::make_pair(std::string("V100"), std::string("V101")));
    EXPECT_EQ(ParseVersionPair("V100 fits V101"),
              std::make_pair(std::string("V100"), std::string("V101")));
    EXPECT_EQ(ParseVersionPair("V10"), std::make_pair(std::string("V10"), std::string("V10")));
    EXPECT_EQ(ParseVersionPair(""), std::make_pair(std::string(), std::string()));
}

TEST(VersionTable, CompatibilityIsAnExactListedPair) {
    const VersionTable table = TableOf({"V100-V101"});
    EXPECT_TRUE(IsCompatibleVersion(table, "V100", "V101"));
    EXPECT_FALSE(IsCompatibleVersion(table, "V100", "V102"));
    EXPECT_FALSE(IsCompatibleVersion(table, "V100", "V100")) << "V100 is only listed as software";
    EXPECT_FALSE(IsCompatibleVersion(table, "V101", "V100"));

    const VersionTable small = TableOf({"v100-v101"});
    EXPECT_FALSE(IsCompatibleVersion(small, "V100", "V101")) << "pairs compare with case";
    EXPECT_TRUE(IsCompatibleVersion(small, "v100", "v101"));
    EXPECT_FALSE(IsCompatibleVersion(VersionTable{}, "V100", "V100"));
}

TEST(VersionTable, SoftwareVersionIsTheFirstPairListingTheOther) {
    const VersionTable table = TableOf({"V100-V100", "V090-V101", "V080-V101"});
    EXPECT_EQ(SoftwareVersionFor(table, "V101"), "V090");
    EXPECT_EQ(SoftwareVersionFor(table, "V100"), "V100");
    EXPECT_EQ(SoftwareVersionFor(table, "v101"), "");
    EXPECT_EQ(SoftwareVersionFor(table, "V102"), "");
}

TEST(VersionTable, MismatchQuestionNamesBothVersions) {
    EXPECT_EQ(FormatVersionMark("V100"), "V1.00");
    EXPECT_EQ(FormatVersionMark("V102"), "V1.02");

    const TextPair firmware = VersionMismatchText("V100", "V102", 0);
    EXPECT_EQ(
        firmware.en,
        "incompatible version. It may cause unknown error.To start the corresponding software "
        "version, or not?\r\nFirmware version is V1.02\r\nprogramming software is V1.00");
    EXPECT_EQ(firmware.zh,
              "版本不兼容，有可能引起未知错误，是否启动对应版本软件？\r\n固件版本为 V1.02\r\n"
              "写频软件版本为 V1.00");

    EXPECT_EQ(
        VersionMismatchText("V100", "V090", 1).en,
        "incompatible version. It may cause unknown error.To start the corresponding software "
        "version, or not?\r\nDataFile version is V0.90\r\nprogramming software is V1.00");
    EXPECT_EQ(
        VersionMismatchText("V100", "V090", 5).en,
        "incompatible version. It may cause unknown error.To start the corresponding software "
        "version, or not?V0.90\r\nprogramming software is V1.00")
        << "another kind has the version only, without line break or caption";
}

TEST(VersionTable, MessagesInBothLanguages) {
    EXPECT_EQ(VersionMissingText(),
              (TextPair{"Fail to start the software. This version does not exist.",
                        "未能启动，不存在此版本软件！"}));
    EXPECT_EQ(UnknownDataVersionText(),
              (TextPair{"Unknown version Of DataFile!", "未能识别的数据版本!"}));
}

}  // namespace
}  // namespace kv
