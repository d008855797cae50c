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

// A template as written to a radio with the HF and 10 m bands: the templates start in HAM.
std::unique_ptr<Document> Template(const char* fileName) {
    auto doc = std::make_unique<Document>();
    EXPECT_TRUE(LoadTemplateFile(*doc, std::string(KV_PROGRAM_DIR) + "/Init/" + fileName));
    doc->Radio.RadioOptionFlag = true;
    return doc;
}

// The templates are as the radio expects them, operating modes off included.
TEST(WriteChecks, TemplatesPass) {
    for (const char* name : {"1_KV7700_New.dat", "1_KV7700.dat", "0_KV7700_New.dat"}) {
        const auto doc = Template(name);
        for (const WriteFinding& finding : CheckBeforeWriting(*doc))
            ADD_FAILURE() << name << ": " << finding.Line.en;
    }
}

// Values the windows themselves let the document hold are no findings: the HAM work group 13
// (the MEM group, which the work group follows), a CB group 7 work channel (the image keeps
// none for that group), all operating modes off.
TEST(WriteChecks, WhatTheWindowsAllowIsNoFinding) {
    const auto doc = Template("1_KV7700_New.dat");
    doc->settings().WorkGroup[kBandHam] = 13;
    doc->settings().GroupWorkChannel(kBandCb, 7) = 77;
    doc->config().ModeEnable.fill(0);
    for (const WriteFinding& finding : CheckBeforeWriting(*doc)) ADD_FAILURE() << finding.Line.en;
    // A radio with CB only, starting in CB; or one the check knows nothing about (the command
    // line, offline).
    doc->Radio.RadioOptionFlag = false;
    doc->config().BandMode = kBandCb;
    for (const WriteFinding& finding : CheckBeforeWriting(*doc)) ADD_FAILURE() << finding.Line.en;
    doc->config().BandMode = kBandHam;
    for (const WriteFinding& finding : CheckBeforeWriting(*doc, false))
        ADD_FAILURE() << finding.Line.en;
    doc->config().BandMode = kBandCb;
    for (const WriteFinding& finding : CheckBeforeWriting(*doc)) ADD_FAILURE() << finding.Line.en;
}

std::unique_ptr<Document> CleanDocument() {
    return Template("1_KV7700_New.dat");
}

ChannelRecord& HfChannel(Document& d) {
    return d.Working.channel(kBandHf, 1, 2);
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
    {"HamBandWithoutTheOption", [](Document& d) { d.Radio.RadioOptionFlag = false; },
     "BandWithoutOption",
     "The radio would start in the HAM band, which a radio without the HF and 10 m bands does not "
     "have. Setup: tick \"Radio with HF and 10 m bands\" if the radio has them; otherwise tick it, "
     "pick the CB band in Channel Information and clear it again.",
     "对讲机将在 HAM 波段启动"},
    {"BandOutsideTheListWithoutTheOption",
     [](Document& d) {
         d.Radio.RadioOptionFlag = false;
         d.config().BandMode = 9;
     },
     "BandWithoutOption",
     "The radio would start in the 9 band, which a radio without the HF and 10 m bands does not "
     "have. Setup: tick \"Radio with HF and 10 m bands\" if the radio has them; otherwise tick it, "
     "pick the CB band in Channel Information and clear it again.",
     "对讲机将在 9 波段启动"},
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
    {"HamWorkGroupIsVfo", [](Document& d) { d.settings().WorkGroup[kBandHam] = 14; },
     "WorkGroupNotAGroup",
     "HAM band: the work group 14 is not a group of the band. Channel Information, HAM band: pick "
     "the work group.",
     "工作组 14 不是该波段的组"},
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
     "HF band, group 2, channel 1: the frequency 35.000000 MHz is outside the band and not the "
     "channel plan's. Channel Information, HF band, group 2: correct the frequency of channel 1.",
     "频率 35.000000 MHz 超出波段范围"},
    {"CbFrequencyNotThePlans",
     [](Document& d) { d.Working.channel(kBandCb, 40, 7).RxFreqText.assign("27900000"); },
     "FrequencyNotAllowed",
     "CB band, group 7, channel 40: the frequency 27.900000 MHz is outside the band and not the "
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
    {"ChannelBeyondTheGroup",
     [](Document& d) {
         const int slot = ++d.Working.channelCount(kBandHf, 2);
         d.Working.channel(kBandHf, slot, 2) = HfChannel(d);
         d.Working.channel(kBandHf, slot, 2).ChNo = 41;
     },
     "ChannelBeyondGroup",
     "HF band, group 2: channel 41 lies beyond the group's channels 1–40; the radio will not "
     "receive it. Export the channels, correct the CH No. and import them again.",
     "信道 41 超出本组的信道 1–40"},
    {"PowerThree", [](Document& d) { HfChannel(d).TxPower = 3; }, "ValueNotInList",
     "HF band, group 2, channel 1: Power holds 3, which is not in its list. Channel Information, "
     "HF band, group 2: pick Power of channel 1.",
     "Power 的值 3 不在列表中"},
    {"Ctcss200",
     [](Document& d) {
         HfChannel(d).TxToneType = 1;
         HfChannel(d).TxCtcss = 200;
     },
     "ValueNotInList",
     "HF band, group 2, channel 1: TXCTC CTCSS holds 200, which is not in its list. Channel "
     "Information, HF band, group 2: pick TXCTC CTCSS of channel 1.",
     "TXCTC CTCSS 的值 200"},
    {"Dcs250",
     [](Document& d) {
         HfChannel(d).RxToneType = 2;
         HfChannel(d).RxDcs = 250;
     },
     "ValueNotInList",
     "HF band, group 2, channel 1: RXCTC DCS holds 250, which is not in its list. Channel "
     "Information, HF band, group 2: pick RXCTC DCS of channel 1.",
     "RXCTC DCS 的值 250"},
    {"RogerToneNine", [](Document& d) { HfChannel(d).RogerBeep = 9; }, "RogerToneUndefined",
     "HF band, group 2, channel 1: Roger names roger-beep tone 9, which is not defined. Roger "
     "Beep: define tone 9, or pick another tone for channel 1.",
     "指向未定义的 RB 音 9"},
    {"DtmfCall200", [](Document& d) { HfChannel(d).DtmfCall = 200; }, "DtmfCodeUndefined",
     "HF band, group 2, channel 1: Call names DTMF code 200, which is not defined. DTMF: enter "
     "code 200, or pick another code for channel 1.",
     "指向未定义的 DTMF 码 200"},
    {"CbMemoryNamesChannel60",
     [](Document& d) {
         ChannelRecord& memory = d.Working.Store.cbMem(1);
         memory.InUse = 1;
         memory.MemChNo = 60;
         memory.RxFreqText.assign("26965000");
     },
     "MemoryChannelMissing",
     "CB band, group 1, MEM 1: the memory names channel 60, which the group does not hold. "
     "Channel Information, CB band, group 1: pick the channel of MEM 1.",
     "该记忆指向本组不存在的信道 60"},
    {"TransmitLeavesTheBand",
     [](Document& d) {
         ChannelRecord& r = d.Working.channel(kBandHam, 1, 2);
         r.RxFreqText.assign("29650000");
         r.RepShift = 1;
         d.settings().RepeaterOffset = 1000;
     },
     "TransmitOutsideBand",
     "HAM band, group 2, channel 1: the radio would transmit on 29.750000 MHz (the receive "
     "frequency shifted by TX.REP), outside the band. Channel Information, HAM band, group 2: set "
     "REP of channel 1 to OFF or change TX.REP.",
     "对讲机将在 29.750000 MHz 发射"},
    {"WeatherAt100MHz",
     [](Document& d) {
         d.settings().WeatherChannels[4].WxInUse = 1;
         d.settings().WeatherChannels[4].WxFrequency = 100.0;
     },
     "WeatherOutsideRange",
     "Weather channel 5: the frequency 100.00000 MHz is outside 136–174 MHz. Weather Channel: "
     "correct the frequency of channel 5.",
     "气象信道 5：频率 100.00000 MHz"},
    {"RepeaterOffset400MHz", [](Document& d) { d.settings().RepeaterOffset = 4'000'000; },
     "SettingNotOffered",
     "Setting \"TX.REP\" holds 400.0000 (the radio would shift by 0.230400 MHz), which the "
     "settings window does not offer. Option Features: set \"TX.REP\".",
     "（对讲机将按 0.230400 MHz 偏移）"},
    {"SquelchBeyondItsList", [](Document& d) { d.settings().Squelch = 80; }, "SettingNotOffered",
     "Setting \"SQL\" holds 80, which the settings window does not offer. Option Features: set "
     "\"SQL\".",
     "设置“SQL”的值 80"},
};

class WriteCheckFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(WriteCheckFaultTest, GivesOneLineInBothLanguages) {
    const auto doc = CleanDocument();
    GetParam().make(*doc);
    const auto findings = CheckBeforeWriting(*doc);
    ASSERT_EQ(findings.size(), 1u)
        << (findings.empty() ? "" : findings[1 % findings.size()].Line.en);
    EXPECT_STREQ(findings[0].Check, GetParam().check);
    EXPECT_EQ(findings[0].Line.en, GetParam().english);
    EXPECT_NE(findings[0].Line.zh.find(GetParam().chinese), std::string::npos)
        << findings[0].Line.zh;
}

INSTANTIATE_TEST_SUITE_P(Faults, WriteCheckFaultTest, ::testing::ValuesIn(kFaults));

TEST(WriteChecks, ReportListsEveryFindingAndAsks) {
    const auto doc = CleanDocument();
    doc->settings().GroupValid(kBandCb, 1) = 0;
    doc->settings().Squelch = 80;
    const TextPair report = WriteCheckReport(CheckBeforeWriting(*doc));
    EXPECT_EQ(report.en,
              "The radio would receive this:\n"
              "• CB band: the work group 1 is switched off. Channel Information, CB band: switch "
              "group 1 on or pick another group.\n"
              "• Setting \"SQL\" holds 80, which the settings window does not offer. Option "
              "Features: set \"SQL\".\n\n"
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
