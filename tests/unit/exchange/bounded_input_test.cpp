// What an import or paste reads before it reads: the bounds on a CSV text, a group name that is
// not UTF-8 refused with its line, refusals that quote a bounded part of the value, formula cells
// marked both ways, and group names longer than their field named in the preview.
#include <gtest/gtest.h>

#include <string>

#include "codec/code_page.h"
#include "exchange/channel_import.h"
#include "exchange/csv.h"
#include "exchange/csv_bounds.h"
#include "exchange/import_texts.h"
#include "model/document.h"

namespace kv {
namespace {

std::string Lines(int count) {
    std::string text;
    for (int n = 0; n < count; ++n) text += "a,b\n";
    return text;
}

TEST(CsvBounds, RefusesBeyondTheLimitsWithTheLine) {
    const struct {
        const char* name;
        std::string text;
        char separator;
        int line;         // 0: within bounds
        const char* why;  // the start of the English reason
    } cases[] = {
        {"lines at the limit", Lines(kMostCsvLines - 1), ',', 0, ""},
        {"one line more", Lines(kMostCsvLines), ',', kMostCsvLines + 1,
         "the text has more than 10000 lines"},
        {"lone CR lines", std::string(kMostCsvLines, '\r'), ',', kMostCsvLines + 1,
         "the text has more than"},
        {"CR LF is one break", std::string("\r\n").append(std::string(kMostCsvLines - 2, '\n')),
         ',', 0, ""},
        {"cells", std::string(kMostCsvCells, ','), ',', 1, "the text has more than 400000 cells"},
        {"tabs count with a tab separator", std::string(kMostCsvCells, '\t'), '\t', 1,
         "the text has more than 400000 cells"},
        {"commas do not with a tab separator", std::string(kMostCsvCells, ','), '\t', 0, ""},
        {"size", std::string(kLargestCsvBytes + 1, 'x'), ',', 1, "the text is larger than 4 MB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto refused = CsvOutOfBounds(c.text, c.separator);
        if (c.line == 0) {
            EXPECT_FALSE(refused) << refused->What.en;
            continue;
        }
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->Line, c.line);
        EXPECT_TRUE(refused->What.en.starts_with(c.why)) << refused->What.en;
        EXPECT_FALSE(refused->What.zh.empty());
        // ReadCsv refuses the same text the same way, before it builds any row.
        const CsvTable table = ReadCsv(c.text, c.separator);
        ASSERT_TRUE(table.Error);
        EXPECT_EQ(table.Error->Line, c.line);
        EXPECT_TRUE(table.Rows.empty());
    }
}

TEST(NotUtf8Text, NamesTheBytesThatAreNotUtf8) {
    const struct {
        const char* name;
        std::string cell;
        const char* why;  // empty: UTF-8
    } cases[] = {
        {"a broken pair", "x\xC3(y", "Group Name: the bytes C3 28 are not UTF-8"},
        {"a lone continuation byte", "\x80", "Group Name: the bytes 80 are not UTF-8"},
        {"an overlong slash", "\xC0\xAF", "Group Name: the bytes C0 AF are not UTF-8"},
        {"a surrogate", "\xED\xA0\x80", "Group Name: the bytes ED A0 80 are not UTF-8"},
        {"cut at the end", "ok\xE4\xB8", "Group Name: the bytes E4 B8 are not UTF-8"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "Group Name: the bytes F4 90 80 80 are not UTF-8"},
        {"every length", "A\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x93\xBB", ""},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto refused = NotUtf8Text("Group Name", c.cell);
        if (*c.why == '\0') {
            EXPECT_FALSE(refused) << refused->en;
            continue;
        }
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->en, c.why);
        EXPECT_FALSE(refused->zh.empty());
    }
}

TEST(ImportPreview, RefusesAGroupNameThatIsNotUtf8WithItsLine) {
    const Document doc;
    const std::string csv = "Band,Group,Group Name,CH No.\nHF,1,AB,\nHF,2,\xC3(,\n";
    const ImportResult result = PreviewImport(doc.Working, csv, {}, Windows1252());
    ASSERT_TRUE(result.Preview) << result.Error->en;
    ASSERT_EQ(result.Preview->Refused.size(), 1u);
    EXPECT_EQ(result.Preview->Refused[0].Line, 3);
    EXPECT_EQ(result.Preview->Refused[0].Reason.en, "Group Name: the bytes C3 28 are not UTF-8");
    ASSERT_EQ(result.Preview->Names.size(), 1u);
    EXPECT_EQ(result.Preview->Names[0].Group, 1);
}

TEST(FormulaCells, AreMarkedOnWritingAndUnmarkedOnReading) {
    const std::vector<std::string> cells = {"=1+2",    "+x",    "-", "@SUM(A1)",
                                            "'quoted", "plain", "",  "a=b"};
    for (char separator : {',', '\t'}) {
        const std::string line = CsvLine(cells, separator);
        const std::string s(1, separator);
        EXPECT_EQ(line, "'=1+2" + s + "'+x" + s + "'-" + s + "'@SUM(A1)" + s + "''quoted" + s +
                            "plain" + s + s + "a=b\r\n");
        const CsvTable table = ReadCsv(line, separator);
        ASSERT_FALSE(table.Error);
        ASSERT_EQ(table.Rows.size(), 1u);
        EXPECT_EQ(table.Rows[0].Cells, cells);
    }
}

TEST(ShortenedValue, QuotesAtMostSixtyCharacters) {
    EXPECT_EQ(ShortenedValue("short"), "short");
    EXPECT_EQ(ShortenedValue(std::string(60, 'x')), std::string(60, 'x'));
    EXPECT_EQ(ShortenedValue(std::string(1 << 20, 'x')), std::string(60, 'x') + "…");
    std::string chinese;
    for (int n = 0; n < 70; ++n) chinese += "中";
    EXPECT_EQ(ShortenedValue(chinese), chinese.substr(0, 60 * 3) + "…");
}

TEST(ImportPreview, ARefusalQuotesABoundedPartOfAHugeValue) {
    const Document doc;
    const std::string huge(1 << 20, 'Q');
    const struct {
        const char* name;
        std::string csv;
    } cases[] = {
        {"band", "Band,Group,CH No.\n" + huge + ",1,1\n"},
        {"group", "Band,Group,CH No.\nHF," + huge + ",1\n"},
        {"CH No.", "Band,Group,CH No.\nHF,1," + huge + "\n"},
        {"a detail", "Band,Group,CH No.,RX MHz,BUSY\nHF,1,1,28.000000," + huge + "\n"},
        {"a frequency", "Band,Group,CH No.,RX MHz\nHF,1,1," + huge + "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ImportResult result = PreviewImport(doc.Working, c.csv, {}, Windows1252());
        ASSERT_TRUE(result.Preview) << result.Error->en;
        ASSERT_EQ(result.Preview->Refused.size(), 1u);
        const TextPair& reason = result.Preview->Refused[0].Reason;
        EXPECT_NE(reason.en.find(std::string(60, 'Q') + "…"), std::string::npos) << reason.en;
        EXPECT_LT(reason.en.size(), 200u);
        EXPECT_LT(reason.zh.size(), 200u);
    }
}

TEST(ImportPreview, NamesAGroupNameCutToItsField) {
    Document doc;
    doc.Working.Config.Settings.GroupName(kBandHf, 1).assign("AB");
    doc.Working.Config.Settings.GroupName(kBandHf, 2).assign("AB");
    const std::string csv = "Band,Group,Group Name,CH No.\nHF,1,ABC,\nHF,2,CD,\nHF,3,AB  ,\n";
    const ImportResult result = PreviewImport(doc.Working, csv, {}, Windows1252());
    ASSERT_TRUE(result.Preview) << result.Error->en;
    const auto& names = result.Preview->Names;
    ASSERT_EQ(names.size(), 3u);
    // The same two characters the group holds, but the file said more: still named.
    EXPECT_EQ(names[0].Group, 1);
    EXPECT_EQ(names[0].Name, "AB");
    EXPECT_EQ(names[0].Cut, "ABC");
    EXPECT_EQ(GroupNameCutText(names[0].Cut, 2).en, "\"ABC\" cut to 2 characters");
    EXPECT_EQ(names[1].Cut, "");
    EXPECT_EQ(names[2].Group, 3);
    EXPECT_EQ(names[2].Cut, "") << "trailing blanks are no cut";
}

}  // namespace
}  // namespace kv
