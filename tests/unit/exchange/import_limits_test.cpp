// The own CSV format at the door: what the image cannot hold is refused with the line and a true
// reason, anything it can hold is taken (values outside the lists, references to undefined
// tones and codes), a frequency the channel holds already is taken with its stored text, and
// the transmit column must say what the radio does.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "exchange/channel_columns.h"
#include "exchange/channel_import.h"
#include "files/data_file.h"
#include "model/transmit_frequency.h"

namespace kv {
namespace {

std::unique_ptr<Document> NewDocument() {
    auto doc = std::make_unique<Document>();
    EXPECT_TRUE(LoadTemplateFile(*doc, std::string(KV_PROGRAM_DIR) + "/Init/1_KV7700_New.dat"));
    return doc;
}

struct DoorCase {
    const char* name;
    const char* place;  // Band,Group,Group Name,CH No.
    const char* column;
    const char* cell;
    const char* refusal;  // a part of the English reason; "" when the line is taken
};

void PrintTo(const DoorCase& c, std::ostream* out) {
    *out << c.name;
}

const DoorCase kDoorCases[] = {
    {"ChannelBeyondAGroup", "HAM,2,,41", "BUSY", "OFF",
     "channel 41 is beyond this group's channels 1–40"},
    {"ChannelFarBeyondAGroup", "HAM,2,,500", "BUSY", "OFF",
     "channel 500 is beyond this group's channels 1–40"},
    {"ChannelBeyondMem", "HF,16,,100", "BUSY", "OFF",
     "channel 100 is beyond this group's channels 1–99"},
    {"CbGroup3HoldsEighty", "CB,3,,80", "BUSY", "OFF", "may not have the frequency"},
    {"RepWiderThanTwoBits", "HAM,2,,3", "REP", "#5",
     "REP \"#5\" is more than the radio holds in this field (0–3)"},
    {"RepThreeFits", "HAM,2,,3", "REP", "#3", ""},
    {"RogerWiderThanFourBits", "HAM,2,,3", "Roger", "#20", "(0–15)"},
    {"RogerFifteenFits", "HAM,2,,3", "Roger", "#15", ""},
    {"PowerWiderThanTwoBits", "HAM,2,,3", "Power", "#4", "(0–3)"},
    {"CtcssWiderThanAByte", "HAM,2,,3", "RXCTC CTCSS", "#300", "(0–255)"},
    {"CtcssOutsideTheListFits", "HAM,2,,3", "RXCTC CTCSS", "#200", ""},
    {"UndefinedDtmfCodeFits", "HAM,2,,3", "EOT", "#36", ""},
    {"NegativeRefused", "HAM,2,,3", "BUSY", "#-1", "(0–1)"},
    {"NotInEitherLanguage", "HAM,2,,3", "BUSY", "MAYBE", "BUSY \"MAYBE\" is not in the list"},
    {"TransmitAsTheRadioMakesIt", "HAM,2,,3", "TX MHz", "28.200000", ""},
    {"TransmitTheRadioWillNotMake", "HAM,2,,3", "TX MHz", "28.300000",
     "the radio transmits on 28.200000 MHz"},
};

class ImportDoorTest : public ::testing::TestWithParam<DoorCase> {};

TEST_P(ImportDoorTest, RefusesOnlyWhatTheImageCannotHold) {
    const DoorCase& c = GetParam();
    const auto doc = NewDocument();
    const std::string csv = std::string("Band,Group,Group Name,CH No.,RX MHz,") + c.column + "\n" +
                            c.place + ",28.200000," + c.cell + "\n";
    const ImportResult result = PreviewImport(doc->Working, csv, {}, Windows1252());
    ASSERT_TRUE(result.Preview);
    if (*c.refusal == '\0') {
        for (const RefusedLine& refused : result.Preview->Refused)
            ADD_FAILURE() << RefusedLineText(refused, kLanguageEnglish);
        ASSERT_EQ(result.Preview->Channels.size(), 1u);
        return;
    }
    ASSERT_EQ(result.Preview->Refused.size(), 1u);
    EXPECT_EQ(result.Preview->Refused[0].Line, 2);
    EXPECT_NE(result.Preview->Refused[0].Reason.en.find(c.refusal), std::string::npos)
        << result.Preview->Refused[0].Reason.en;
    EXPECT_FALSE(result.Preview->Refused[0].Reason.zh.empty());
    EXPECT_TRUE(result.Preview->Channels.empty());
}

INSTANTIATE_TEST_SUITE_P(Lines, ImportDoorTest, ::testing::ValuesIn(kDoorCases));

// A channel at a frequency outside its band (a zero-filled radio's VFO at 0 MHz) imports onto
// itself; the same frequency elsewhere is still refused. The stored text of a frequency that
// reaches the radio alike stays as it is, and the transmit text is the radio's.
TEST(ImportDoor, AFrequencyTheChannelHoldsIsTakenWithItsStoredText) {
    const auto doc = NewDocument();
    RadioData& data = doc->Working;
    data.channelCount(kBandHam, 14) = 1;
    data.channel(kBandHam, 1, 14).ChNo = 1;
    data.channel(kBandHam, 1, 14).InUse = 1;
    data.channel(kBandHam, 1, 14).RxFreqText.assign("00000000");
    data.channel(kBandHam, 1, 2).RxFreqText.assign("2850000 ");
    data.channel(kBandHam, 1, 2).RepShift = kRepAdd;
    data.Config.Settings.RepeaterOffset = 1000;
    const std::string csv =
        "Band,Group,Group Name,CH No.,RX MHz,TX MHz,REP\n"
        "HAM,14,,1,00.000000,,OFF\n"
        "HAM,3,,1,00.000000,,OFF\n"
        "HAM,2,,1,28.500000,28.600000,Add\n";
    const ImportResult result = PreviewImport(data, csv, {}, Windows1252());
    ASSERT_TRUE(result.Preview);
    for (const RefusedLine& refused : result.Preview->Refused)
        EXPECT_EQ(refused.Line, 3) << RefusedLineText(refused, kLanguageEnglish);
    ASSERT_EQ(result.Preview->Refused.size(), 1u);
    ApplyImport(data, *result.Preview);
    EXPECT_EQ(data.channel(kBandHam, 1, 14).RxFreqText.raw(), "00000000");
    EXPECT_EQ(data.channel(kBandHam, 1, 2).RxFreqText.raw(), "2850000 ");
    EXPECT_EQ(data.channel(kBandHam, 1, 2).TxFreqText.raw(), "28600000");
}

}  // namespace
}  // namespace kv
