// Comparing documents: a document against itself says nothing, an edited copy names exactly the
// edits, each as the windows name it.
#include "exchange/document_diff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "editors/settings/settings_rows.h"
#include "unit/files/document_samples.h"

namespace kv {
namespace {

TEST(DocumentDiff, ADocumentAgainstItselfIsEqual) {
    for (unsigned seed : {11u, 12u}) {
        const auto doc = test::RandomDocument(seed);
        const Document copy = *doc;
        EXPECT_TRUE(DiffDocuments(doc->Working, copy.Working, Windows1252()).empty());
    }
}

TEST(DocumentDiff, AnEditedCopyNamesExactlyTheEdits) {
    struct Case {
        const char* name;
        std::function<void(RadioData&)> edit;
        std::vector<std::string> lines;
    };
    const SettingRow* squelch = FindSettingRow("Squelch");
    ASSERT_NE(squelch, nullptr);
    const std::string squelchCaption =
        squelch->Caption.en.empty() ? squelch->Name : squelch->Caption.en;
    const std::vector<Case> cases = {
        {"receive frequency",
         [](RadioData& d) { d.channel(kBandHf, 2, 4).RxFreqText.assign("28500000"); },
         {"HF group 4 CH 2: RX MHz 28.400000 -> 28.500000"}},
        {"two details fields of a MEM channel",
         [](RadioData& d) {
             d.channel(kBandHam, 1, 13).Busy = 1;
             d.channel(kBandHam, 1, 13).MemMode = 9;
         },
         {"HAM MEM CH 1: BUSY OFF -> ON", "HAM MEM CH 1: Mode FM -> #9"}},
        {"a channel removed",
         [](RadioData& d) { d.channelCount(kBandCb, 2) = 1; },
         {"CB group 2 CH 2: only in A"}},
        {"a CB memory taken",
         [](RadioData& d) { d.Store.cbMem(70).InUse = 1; },
         {"CB MEM 70: only in B"}},
        {"group name with a byte above 0x7F",
         [](RadioData& d) { d.Config.Settings.GroupName(kBandHf, 4).assign("\xC9X"); },
         {"HF group 4: name \"AB\" -> \"\xC3\x89X\""}},
        {"group switched off",
         [](RadioData& d) { d.Config.Settings.GroupValid(kBandHam, 5) = 0; },
         {"HAM group 5: switched on -> off"}},
        {"DTMF code",
         [](RadioData& d) { d.Config.Settings.DtmfCodes[2].assign("123"); },
         {"DTMF code 3: \"\" -> \"123\""}},
        {"roger tone",
         [](RadioData& d) { d.Config.ToneTable[1].ToneRepeat = 3; },
         {"Roger Beep tone 2: Recycle Times: 0 -> 3"}},
        {"roger tone step",
         [](RadioData& d) { d.Config.ToneTable[0].Steps[2].ToneFreq = 1000; },
         {"Roger Beep tone 1: frequency of step 3: 0 -> 1000"}},
        {"emergency entry",
         [](RadioData& d) { d.Config.EmgBlock[0] += 1; },
         {"Emg Channel Setting entry 1: 0 -> 1"}},
        {"dual-watch and memory-key entries",
         [](RadioData& d) {
             d.Config.DwBlock[13] = 4;
             d.Config.MemKeyBlock[2] = 7;
         },
         {"DW Channel Setting entry 14: 0 -> 4", "Memory Key entry 3: 0 -> 7"}},
        {"work group and band",
         [](RadioData& d) {
             d.Config.Settings.WorkGroup[kBandHam] = 9;
             d.Config.BandMode = kBandHam;
         },
         {"Band: 0 -> 2", "HAM work group: 0 -> 9"}},
        {"weather squelch and a weather channel",
         [](RadioData& d) {
             d.Config.Settings.WxSql = 3;
             d.Config.Settings.WeatherChannels[2].WxFrequency = 162.4;
         },
         {"Weather Channel 3: frequency: 0.00000 -> 162.40000", "Weather squelch: 0 -> 3"}},
        {"public channel parameter",
         [](RadioData& d) { d.Config.Settings.HfPublicParams.HiCut = 1; },
         {"HF public channel parameters: HI-CUT: 0 -> 1"}},
        {"reserved field of a channel",
         [](RadioData& d) { d.channel(kBandHf, 1, 4).Reserved7 = 5; },
         {"HF group 4 CH 1: Reserved7 0 -> 5"}},
        {"a setting",
         [&](RadioData& d) { squelch->Field->set(d.Config, 5); },
         {"Setting \"" + squelchCaption + "\": " + squelch->Entries.at(0).en + " -> " +
          squelch->Entries.at(5).en}},
        {"data no window shows",
         [](RadioData& d) { d.Config.Settings.ReservedSetting3 = 1; },
         {"ReservedSetting3: 0 -> 1"}},
        // What a save stamps, where the user looked, a frequency stored as typed and the transmit
        // text (the radio computes it) are no differences.
        {"no differences",
         [](RadioData& d) {
             d.Config.Identity.IdentDate.assign("20261211");
             d.Config.CurrentGroup[kBandHf] = 4;
             d.Config.GroupCurrentChannel(kBandHf, 4) = 2;
             d.channel(kBandHf, 1, 4).RxFreqText.assign("283");
             d.channel(kBandHf, 2, 4).TxFreqText.assign("12345678");
         },
         {}},
    };
    auto base = std::make_unique<Document>();
    RadioData& a = base->Working;
    a.channelCount(kBandHf, 4) = 2;
    for (int slot = 1; slot <= 2; ++slot) {
        a.channel(kBandHf, slot, 4).ChNo = static_cast<i16>(slot);
        a.channel(kBandHf, slot, 4).InUse = 1;
        a.channel(kBandHf, slot, 4).RxFreqText.assign(slot == 1 ? "28300000" : "28400000");
    }
    a.channelCount(kBandHam, 13) = 1;
    a.channel(kBandHam, 1, 13) = a.channel(kBandHf, 1, 4);
    a.channelCount(kBandCb, 2) = 2;
    a.channel(kBandCb, 1, 2) = a.channel(kBandHf, 1, 4);
    a.channel(kBandCb, 2, 2) = a.channel(kBandHf, 2, 4);
    a.Config.Settings.GroupName(kBandHf, 4).assign("AB");
    a.Config.Settings.GroupValid(kBandHam, 5) = 1;
    for (const Case& c : cases) {
        auto edited = std::make_unique<Document>(*base);
        c.edit(edited->Working);
        EXPECT_EQ(DiffDocuments(a, edited->Working, Windows1252()), c.lines) << c.name;
    }
    // All edits at once: every line, and nothing else.
    auto all = std::make_unique<Document>(*base);
    std::vector<std::string> every;
    for (const Case& c : cases) {
        c.edit(all->Working);
        every.insert(every.end(), c.lines.begin(), c.lines.end());
    }
    auto lines = DiffDocuments(a, all->Working, Windows1252());
    std::sort(lines.begin(), lines.end());
    std::sort(every.begin(), every.end());
    EXPECT_EQ(lines, every);
}

}  // namespace
}  // namespace kv
