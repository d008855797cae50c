// The check before writing: the templates pass, each fault a user can make (or a radio can
// hold) gives its own line in both languages, naming where to fix it, and random radio
// contents give only lines of the table.
#include "app/write_checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <set>
#include <string>

#include "codec/image_codec.h"
#include "files/data_file.h"
#include "model/memory_image.h"
#include "model/text_pair.h"

namespace kv {
namespace {

std::unique_ptr<Document> Template(const char* fileName) {
    auto doc = std::make_unique<Document>();
    EXPECT_TRUE(LoadTemplateFile(*doc, std::string(KV_PROGRAM_DIR) + "/Init/" + fileName));
    return doc;
}

// The templates enable no operating mode; everything else in them is as the radio expects.
TEST(WriteChecks, TemplatesOnlyLackAnOperatingMode) {
    for (const char* name : {"1_KV7700_New.dat", "1_KV7700.dat", "0_KV7700_New.dat"}) {
        const auto doc = Template(name);
        const auto findings = CheckBeforeWriting(*doc);
        ASSERT_EQ(findings.size(), 1u) << name << ": " << findings.front().Line.en;
        EXPECT_STREQ(findings[0].Check, "NoModeEnabled");
        doc->config().ModeEnable[4] = 1;
        EXPECT_TRUE(CheckBeforeWriting(*doc).empty()) << name;
    }
}

// The new document with FM enabled: no findings.
std::unique_ptr<Document> CleanDocument() {
    auto doc = Template("1_KV7700_New.dat");
    doc->config().ModeEnable[0] = 1;
    return doc;
}

struct FaultCase {
    const char* name;
    std::function<void(Document&)> make;
    const char* check;
    const char* english;  // the whole line
    const char* chinese;  // a part of the Chinese line
};

void PrintTo(const FaultCase& c, std::ostream* out) {
    *out << c.name;
}

// Block values: emergency 0 = EU channel 1, 24 = HF group 1, 26 = HF channel 1; dual watch
// 12 = HF group, 13 = HF channel; groups and channels are stored counting from 0.
const FaultCase kFaults[] = {
    {"CbWorkGroupOff", [](Document& d) { d.settings().GroupValid(kBandCb, 1) = 0; }, "WorkGroupOff",
     "CB band: the work group 1 is switched off. Channel Information, CB band: switch group 1 on "
     "or pick another group.",
     "CB 波段：工作组 1 已关闭。"},
    {"HfWorkGroupEmpty",
     [](Document& d) {
         d.settings().WorkGroup[kBandHf] = 4;
         d.Working.channelCount(kBandHf, 4) = 0;
     },
     "WorkGroupEmpty",
     "HF band: the work group 4 holds no channel. Channel Information, HF band, group 4: add a "
     "channel or pick another group.",
     "工作组 4 没有信道"},
    {"HamWorkGroupIsMem", [](Document& d) { d.settings().WorkGroup[kBandHam] = 13; },
     "WorkGroupNotAGroup",
     "HAM band: the work group 13 is not a group of the band. Channel Information, HAM band: pick "
     "the work group.",
     "工作组 13 不是该波段的组"},
    {"GroupOnWithoutChannels", [](Document& d) { d.Working.channelCount(kBandHam, 7) = 0; },
     "GroupOnWithoutChannels",
     "HAM band: group 7 is switched on but holds no channel. Channel Information, HAM band, group "
     "7: add a channel or switch the group off.",
     "第 7 组已打开，但没有信道"},
    {"WorkChannelMissing", [](Document& d) { d.settings().GroupWorkChannel(kBandHf, 2) = 7; },
     "WorkChannelMissing",
     "HF band, group 2: the work channel 7 does not exist. Channel Information, HF band, group 2: "
     "pick the work channel.",
     "工作信道 7 不存在"},
    {"HfFrequencyOutsideTheBand",
     [](Document& d) { d.Working.channel(kBandHf, 1, 2).RxFreqText.assign("35000000"); },
     "FrequencyNotAllowed",
     "HF band, group 2, channel 1: the frequency 35.00000 MHz is outside the band and not the "
     "channel plan's. Channel Information, HF band, group 2: correct the frequency of channel 1.",
     "频率 35.00000 MHz 超出波段范围"},
    {"CbFrequencyNotThePlans",
     [](Document& d) { d.Working.channel(kBandCb, 40, 7).RxFreqText.assign("27900000"); },
     "FrequencyNotAllowed",
     "CB band, group 7, channel 40: the frequency 27.90000 MHz is outside the band and not the "
     "channel plan's. Channel Information, CB band, group 7: correct the frequency of channel 40.",
     "CB 波段第 7 组信道 40"},
    {"EmergencyCbChannel", [](Document& d) { d.config().EmgBlock[0] = 44; },
     "EmergencyChannelMissing",
     "Emg Channel Setting: the list \"CB Eu Emg Channel 1\" names channel 45, which does not "
     "exist. Emg Channel Setting: pick an existing channel.",
     "指向不存在的信道 45"},
    {"EmergencyHfChannel",
     [](Document& d) {
         d.config().EmgBlock[24] = 2;
         d.config().EmgBlock[26] = 9;
     },
     "EmergencyChannelMissing",
     "Emg Channel Setting: the list \"HF Band HF Emg Channel 1\" names channel 10, which does not "
     "exist. Emg Channel Setting: pick an existing channel.",
     "HF Emg Channel 1"},
    {"DualWatchHfChannel",
     [](Document& d) {
         d.config().DwBlock[12] = 5;
         d.config().DwBlock[13] = 3;
     },
     "DualWatchChannelMissing",
     "DW Channel Setting: the list \"HF Band HF DW Channel\" names channel 4, which does not "
     "exist. DW Channel Setting: pick an existing channel.",
     "DW Channel Setting：选择一个存在的信道。"},
    {"NoModeEnabled", [](Document& d) { d.config().ModeEnable.fill(0); }, "NoModeEnabled",
     "No operating mode (FM, AM, USB, LSB, CW, PA) is enabled. Option Features: enable at least "
     "one mode.",
     "可选功能：至少启用一种模式。"},
};

class WriteCheckFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(WriteCheckFaultTest, GivesOneLineInBothLanguages) {
    const auto doc = CleanDocument();
    GetParam().make(*doc);
    const auto findings = CheckBeforeWriting(*doc);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_STREQ(findings[0].Check, GetParam().check);
    EXPECT_EQ(findings[0].Line.en, GetParam().english);
    EXPECT_NE(findings[0].Line.zh.find(GetParam().chinese), std::string::npos)
        << findings[0].Line.zh;
}

INSTANTIATE_TEST_SUITE_P(Faults, WriteCheckFaultTest, ::testing::ValuesIn(kFaults));

TEST(WriteChecks, ReportListsEveryFindingAndAsks) {
    const auto doc = CleanDocument();
    doc->settings().GroupValid(kBandCb, 1) = 0;
    doc->config().ModeEnable.fill(0);
    const TextPair report = WriteCheckReport(CheckBeforeWriting(*doc));
    EXPECT_EQ(report.en,
              "The radio would receive this:\n"
              "• CB band: the work group 1 is switched off. Channel Information, CB band: switch "
              "group 1 on or pick another group.\n"
              "• No operating mode (FM, AM, USB, LSB, CW, PA) is enabled. Option Features: enable "
              "at least one mode.\n\n"
              "Write to the radio all the same?");
    EXPECT_EQ(report.zh.rfind("对讲机将收到以下内容：\n• CB 波段", 0), 0u) << report.zh;
    EXPECT_NE(report.zh.find("仍然写入对讲机？"), std::string::npos);
}

TEST(WriteChecks, EveryRowHasItsTextsInBothLanguages) {
    std::set<std::string> names;
    for (const WriteCheckRow& row : WriteCheckRows()) {
        EXPECT_TRUE(names.insert(row.Name).second) << row.Name;
        for (const TextPair* text : {&row.What, &row.Where}) {
            EXPECT_FALSE(text->en.empty()) << row.Name;
            EXPECT_FALSE(text->zh.empty()) << row.Name;
            EXPECT_NE(text->en, text->zh) << row.Name;
        }
    }
}

// A radio after years of use holds any byte: every finding is a line of the table with its
// placeholders filled.
TEST(WriteChecks, RandomRadioContentsGiveOnlyTableLines) {
    std::set<std::string> names;
    for (const WriteCheckRow& row : WriteCheckRows()) names.insert(row.Name);
    std::mt19937 random(7700);
    for (int run = 0; run < 8; ++run) {
        auto image = std::make_unique<MemoryImage>();
        for (std::uint32_t a = 0; a < MemoryImage::kSize; ++a)
            image->put(a, static_cast<std::uint8_t>(random()));
        auto doc = std::make_unique<Document>();
        DecodeImage(*image, doc->Working);
        const auto findings = CheckBeforeWriting(*doc);
        EXPECT_FALSE(findings.empty()) << run;
        for (const WriteFinding& f : findings) {
            EXPECT_EQ(names.count(f.Check), 1u) << f.Check;
            EXPECT_EQ(f.Line.en.find('{'), std::string::npos) << f.Line.en;
            EXPECT_EQ(f.Line.zh.find('{'), std::string::npos) << f.Line.zh;
        }
    }
}

}  // namespace
}  // namespace kv
