// Reading and writing comma-separated text: quoting, line breaks inside fields, the byte order
// mark, and the line a fault is on.
#include "exchange/csv.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

using Cells = std::vector<std::string>;

TEST(Csv, ReadsRowsWithTheirFirstLine) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::pair<int, Cells>> rows;
    };
    const std::vector<Case> cases = {
        {"plain LF", "a,b\nc,d\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"CR LF and no last break", "a,b\r\nc,d", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"byte order mark", "\xEF\xBB\xBFx,y\n", {{1, {"x", "y"}}}},
        {"quoted comma and quote", "\"a,b\",\"say \"\"hi\"\"\"\n", {{1, {"a,b", "say \"hi\""}}}},
        {"break inside a field",
         "\"two\nlines\",z\nnext\n",
         {{1, {"two\nlines", "z"}}, {3, {"next"}}}},
        {"empty fields", ",,\n", {{1, {"", "", ""}}}},
        {"blank lines left out", "a\n\n\nb\n", {{1, {"a"}}, {4, {"b"}}}},
        {"lone CR ends a line", "a\rb\n\r\nc", {{1, {"a"}}, {2, {"b"}}, {4, {"c"}}}},
        {"lone CR inside a field", "\"x\ry\",z\nnext", {{1, {"x\ry", "z"}}, {3, {"next"}}}},
    };
    for (const Case& c : cases) {
        const CsvTable table = ReadCsv(c.text);
        ASSERT_FALSE(table.Error) << c.name;
        ASSERT_EQ(table.Rows.size(), c.rows.size()) << c.name;
        for (std::size_t n = 0; n < c.rows.size(); ++n) {
            EXPECT_EQ(table.Rows[n].Line, c.rows[n].first) << c.name;
            EXPECT_EQ(table.Rows[n].Cells, c.rows[n].second) << c.name;
        }
    }
}

TEST(Csv, RefusesWhatItCannotReadWithTheLine) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"a,b\nc,\"open\nstill open", 2},
        {"a\nb\n\"x\"y\n", 3},
        {"a\nb\"c\n", 2},
    };
    for (const auto& [text, line] : cases) {
        const CsvTable table = ReadCsv(text);
        ASSERT_TRUE(table.Error) << text;
        EXPECT_EQ(table.Error->Line, line) << text;
        EXPECT_FALSE(table.Error->What.en.empty());
        EXPECT_FALSE(table.Error->What.zh.empty());
        EXPECT_TRUE(table.Rows.empty());
    }
}

TEST(Csv, WrittenLinesReadBack) {
    const std::vector<Cells> rows = {{"plain", "with,comma", "with \"quote\""},
                                     {"line\r\nbreak", "", "\xC3\xA9t\xC3\xA9"}};
    std::string text;
    for (const Cells& row : rows) text += CsvLine(row);
    EXPECT_EQ(CsvLine({"a", "b,c"}), "a,\"b,c\"\r\n");
    const CsvTable table = ReadCsv(text);
    ASSERT_FALSE(table.Error);
    ASSERT_EQ(table.Rows.size(), 2u);
    EXPECT_EQ(table.Rows[0].Cells, rows[0]);
    EXPECT_EQ(table.Rows[1].Cells, rows[1]);
}

}  // namespace
}  // namespace kv
