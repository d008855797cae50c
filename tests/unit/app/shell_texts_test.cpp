#include "app/shell_texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/document_title.h"
#include "app/main_window_tables.h"
#include "app/shared_messages.h"

namespace kv {
namespace {

TEST(MainWindowTitle, NamesTheBandAndTheFileInTheLanguage) {
    EXPECT_EQ(MainWindowTitle("28.0000 - 29.6990 MHz", "new.dat", kLanguageEnglish),
              "KV-7700[28.0000 - 29.6990 MHz][File Name:new.dat]");
    EXPECT_EQ(MainWindowTitle("24.7150 - 30.1050 MHz", "/home/u/radio/a.dat", kLanguageChinese),
              "KV-7700[24.7150 - 30.1050 MHz][文件名:a.dat]");
    EXPECT_EQ(ModelPanelText("28.0000 - 29.6990 MHz"), "KV-7700[28.0000 - 29.6990 MHz]");
}

TEST(FileNamePart, TakesTheTextAfterTheLastSeparator) {
    EXPECT_EQ(FileNamePart("/a/b/c.dat"), "c.dat");
    EXPECT_EQ(FileNamePart("C:\\Apps\\x.dat"), "x.dat");
    EXPECT_EQ(FileNamePart("new.dat"), "new.dat");
    EXPECT_EQ(FileNamePart("/a/"), "");
}

TEST(OverwriteQuestionFor, QuotesTheFileNameWithNothingBetween) {
    const TextPair q = OverwriteQuestionFor("/tmp/a b.dat");
    EXPECT_EQ(q.en, "\"a b.dat\"file will be Overwrite,Continue?");
    EXPECT_EQ(q.zh, "\"a b.dat\"文件将被覆盖，是否继续？");
}

TEST(SharedMessages, ConfirmationsAreTwoLinesJoinedByCrLf) {
    EXPECT_EQ(SharedMessages().ReadConfirmation.en,
              "Read data from radio.\r\nDo you wish continue?");
    EXPECT_EQ(SharedMessages().WriteConfirmation.zh, "向对讲机写入数据。\r\n是否继续？");
}

TEST(AboutVersionText, IsTheProgramsOwnVersion) {
    EXPECT_EQ(AboutVersionText(), (TextPair{"Version 2.0.5", "版本 2.0.5"}));
}

TEST(CaptionWithoutAccessKey, DropsTheMarkerAndABracketedKey) {
    EXPECT_EQ(CaptionWithoutAccessKey("&Open"), "Open");
    EXPECT_EQ(CaptionWithoutAccessKey("Save &As"), "Save As");
    EXPECT_EQ(CaptionWithoutAccessKey("打开(&O)"), "打开");
    EXPECT_EQ(CaptionWithoutAccessKey("DTMF(双音多频)(&D)"), "DTMF(双音多频)");
    EXPECT_EQ(CaptionWithoutAccessKey("Copy"), "Copy");
}

TEST(MainWindowTables, NamesAreUniqueAndEveryReferenceResolves) {
    std::set<std::string> names;
    for (const auto& row : MainMenuRows()) {
        EXPECT_TRUE(names.insert(row.Name).second) << row.Name;
        if (row.Kind != MenuRow::Separator) {
            EXPECT_FALSE(row.Caption.en.empty()) << row.Name;
            EXPECT_FALSE(row.Caption.zh.empty()) << row.Name;
        }
    }
    ASSERT_EQ(MainMenuRows().front().Kind, MenuRow::TopMenu);
    for (const auto& row : ToolbarRows())
        if (*row.TooltipFrom) {
            EXPECT_NE(FindMenuRow(row.TooltipFrom), nullptr) << row.Key;
        }
    for (const auto& row : TreeRows()) {
        if (*row.CaptionFrom)
            EXPECT_NE(FindMenuRow(row.CaptionFrom), nullptr) << row.Key;
        else
            EXPECT_FALSE(row.Text.empty()) << row.Key;
    }
    EXPECT_EQ(FindMenuRow("nothing"), nullptr);
}

}  // namespace
}  // namespace kv
