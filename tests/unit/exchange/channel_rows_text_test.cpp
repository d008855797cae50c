// The two clipboard texts of channel rows: the program's own type carries every stored byte of
// random records (texts above 0x7F, values outside every list) and refuses what it cannot read;
// the spreadsheet text reads with or without a header, in either language, in any column
// order, and what the program writes in one language pastes back to the same channels.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "editors/channels/channel_rows_edit.h"
#include "editors/channels/freq_text.h"
#include "editors/channels/grid_rows.h"
#include "exchange/channel_rows_private.h"
#include "exchange/channel_rows_sheet.h"
#include "files/data_file_layout.h"
#include "unit/exchange/exchangeable_document.h"

namespace kv::test {
namespace {

TEST(ChannelRowsOwnType, CarriesEveryByteOfRandomRecords) {
    std::mt19937 rng(5);
    std::vector<CopiedRow> rows;
    for (int n = 0; n < 60; ++n) {
        CopiedRow row;
        row.Row = n + 1;
        row.Memory = n % 3 == 0;
        row.Held = n % 7 != 0;
        std::vector<std::uint8_t> bytes;
        for (std::size_t i = 0; i < 70; ++i) bytes.push_back(static_cast<std::uint8_t>(rng()));
        ByteReader reader(bytes);
        ReadChannelRecord(reader, row.Record);
        rows.push_back(row);
    }
    const PrivateRows read = ReadChannelRows(WriteChannelRows(rows));
    ASSERT_FALSE(read.Error);
    EXPECT_TRUE(read.Refused.empty());
    ASSERT_EQ(read.Rows.size(), rows.size());
    for (std::size_t n = 0; n < rows.size(); ++n) {
        EXPECT_EQ(read.Rows[n].Line, static_cast<int>(n) + 2);
        ASSERT_EQ(read.Rows[n].Record.has_value(), rows[n].Held) << n;
        if (!rows[n].Held) continue;
        EXPECT_EQ(read.Rows[n].Memory, rows[n].Memory) << n;
        EXPECT_TRUE(*read.Rows[n].Record == rows[n].Record) << n;
    }
}

TEST(ChannelRowsOwnType, RefusesWhatItCannotRead) {
    struct Case {
        const char* text;
        bool error;
        int refused;
    };
    const Case cases[] = {
        {"", true, 0},
        {"CH No.\tFrequency\n1\t26.5\n", true, 0},
        {"KV7700 channel rows\t0\n", true, 0},
        {"KV7700 channel rows\t3\nchannel\tChNo=1\n", true, 0},
        {"KV7700 channel rows\t1\r\nchannel\tChNo=1\tInUse=1\r\n", false, 0},
        {"KV7700 channel rows\t1\nchannel\tChNo=99999\n", false, 1},
        {"KV7700 channel rows\t1\nchannel\tRxFreqText=32\n", false, 1},
        {"KV7700 channel rows\t1\nchannel\tChNo\n", false, 1},
        {"KV7700 channel rows\t1\nrecord\tChNo=1\n", false, 1},
        // A later version's extra field is passed over.
        {"KV7700 channel rows\t1\nchannel\tChNo=1\tColour=3\n", false, 0},
    };
    for (const Case& c : cases) {
        const PrivateRows read = ReadChannelRows(c.text);
        EXPECT_EQ(read.Error.has_value(), c.error) << c.text;
        EXPECT_EQ(static_cast<int>(read.Refused.size()), c.refused) << c.text;
        for (const RefusedLine& refused : read.Refused) EXPECT_EQ(refused.Line, 2) << c.text;
    }
}

// The cells of a read row by column name.
std::map<std::string, std::string> Cells(const SheetRow& row) {
    std::map<std::string, std::string> cells;
    for (const auto& [column, text] : row.Cells) cells[column->Name] = text;
    return cells;
}

TEST(ChannelRowsSheet, ReadsHeadersInEitherLanguageInAnyOrderOrNone) {
    struct Case {
        const char* name;
        const char* text;
        std::map<std::string, std::string> firstRow;
        std::vector<std::string> ignored;
    };
    const Case cases[] = {
        {"English header",
         "CH No.\tFrequency\tScan\r\n3\t28.5\tAdd\r\n",
         {{"RX MHz", "28.5"}, {"Scan", "Add"}},
         {}},
        {"Chinese header, reordered, unknown column",
         "扫描\t备注\t频率\t信道\n添加\tclub\t 28.5 \t3\n",
         {{"RX MHz", "28.5"}, {"Scan", "添加"}},
         {"备注"}},
        {"no header: the written order", "7\t28.6\tON\n", {{"RX MHz", "28.6"}, {"BUSY", "ON"}}, {}},
        {"quoted cells with a tab and a quote",
         "Frequency\tPower\n\"28.7\"\t\"Hi\tgh\"\n5\" whip\t\n",
         {{"RX MHz", "28.7"}, {"Power", "Hi\tgh"}},
         {}},
    };
    for (const Case& c : cases) {
        const Sheet sheet = ReadChannelSheet(c.text);
        ASSERT_FALSE(sheet.Error) << c.name;
        ASSERT_FALSE(sheet.Rows.empty()) << c.name;
        EXPECT_EQ(Cells(sheet.Rows.front()), c.firstRow) << c.name;
        EXPECT_EQ(sheet.IgnoredColumns, c.ignored) << c.name;
    }
    const Sheet unclosed = ReadChannelSheet("Frequency\n\"28.5\n");
    ASSERT_TRUE(unclosed.Error);
    EXPECT_EQ(unclosed.Error->en, "line 2: the text cannot be read: a quoted field is not closed");
    EXPECT_TRUE(ReadChannelSheet("").Rows.empty());
}

// Every group of a random document, written in one language, pasted over the same rows of a
// document whose channels were emptied, gives the channels back in every field the window
// shows; the frequency compares as a value.
TEST(ChannelRowsSheet, WrittenRowsPasteBackToTheSameChannelsInBothLanguages) {
    for (const int language : {kLanguageEnglish, kLanguageChinese}) {
        auto source = ExchangeableDocument(40 + static_cast<unsigned>(language));
        RadioData& data = source->Working;
        // References only to what the document defines, as a spreadsheet can carry them.
        for (int band = 0; band < kBandCount; ++band)
            for (int group = 1; group <= kGroupsPerBand[band]; ++group)
                for (int slot = 1; slot <= SlotCapacity(band, group); ++slot) {
                    ChannelRecord& r = data.channel(band, slot, group);
                    r.RogerBeep = r.DtmfBot = r.DtmfEot = r.DtmfCall = 0;
                }
        int compared = 0;
        for (const auto& [band, group] :
             {std::pair(kBandHf, 3), std::pair(kBandHam, 16), std::pair(kBandCb, 2)}) {
            const GridShape shape = GridShapeFor(band, group);
            std::vector<int> rows;
            for (int row = 1; row <= shape.channelRows; ++row) rows.push_back(row);
            const std::vector<CopiedRow> copied = CopyChannelRows(*source, band, group, rows);
            const std::string text = ChannelRowsSheet(*source, band, group, copied, language);

            Document target = *source;
            target.Working.channelCount(band, group) = 0;
            std::vector<RefusedLine> refused;
            const std::vector<RowToPaste> pasted =
                SheetRowsToPaste(target, band, group, 1, ReadChannelSheet(text), false, refused);
            PasteChannelRows(target, band, group, 1, pasted);
            for (const CopiedRow& row : copied) {
                const int slot = FindSlot(target.Working, band, group, row.Row);
                if (!row.Held) {
                    EXPECT_EQ(slot, 0) << band << "/" << group << "/" << row.Row;
                    continue;
                }
                // A channel of the random document whose frequency its row may not have is
                // refused, and named.
                if (slot == 0) {
                    EXPECT_FALSE(refused.empty());
                    continue;
                }
                const ChannelRecord& back = target.Working.channel(band, slot, group);
                EXPECT_EQ(StoredFreqMhz(back.RxFreqText.raw()),
                          StoredFreqMhz(row.Record.RxFreqText.raw()));
                for (const DetailBox& box : DetailBoxes())
                    if (DetailBoxShown(box, band, IsMemGroup(band, group), false, group,
                                       row.Record) &&
                        box.shown != DetailShown::CbMemoryRow &&
                        box.shown != DetailShown::SharedCbBlock)
                        EXPECT_EQ(back.*(box.field), row.Record.*(box.field))
                            << band << "/" << group << "/" << row.Row << " box " << box.box;
                ++compared;
            }
        }
        EXPECT_GT(compared, 20);
    }
}

}  // namespace
}  // namespace kv::test
