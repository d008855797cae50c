#include "model/default_data.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "files/data_file.h"
#include "files/staging.h"
#include "files/templates.h"
#include "model/band_range.h"

namespace kv {
namespace {

TEST(TemplatePath, DigitFollowsRangeTextNotBand) {
    struct Case {
        const char* range;
        TemplateKind kind;
        const char* path;
    };
    const Case cases[] = {
        {"24.7150 - 30.1050 MHz", TemplateKind::New, "/opt/kv/Init/0_KV7700_New.dat"},
        {"24.7150 - 30.1050 MHz", TemplateKind::InitialSetting, "/opt/kv/Init/0_KV7700.dat"},
        {"28.0000 - 29.6950 MHz", TemplateKind::New, "/opt/kv/Init/1_KV7700_New.dat"},
        {"28.0000 - 29.7000 MHz", TemplateKind::InitialSetting, "/opt/kv/Init/1_KV7700.dat"},
        {"", TemplateKind::New, "/opt/kv/Init/1_KV7700_New.dat"},
    };
    for (const Case& c : cases) EXPECT_EQ(TemplatePath("/opt/kv", c.range, c.kind), c.path);
    EXPECT_EQ(TemplatePath("/opt/kv/", "", TemplateKind::New), "/opt/kv/Init/1_KV7700_New.dat");
}

TEST(BuiltInDefaults, FillNamedFieldsOnly) {
    auto doc = std::make_unique<Document>();
    doc->BandRangeText = kBandRangeTexts[kBandHf];
    doc->ChannelEditorOpen = true;
    doc->settings().Squelch = 5;  // not a default: keeps its value
    ApplyBuiltInDefaults(*doc, "20261210");
    const ConfigRecord& c = doc->config();
    const RadioSettings& s = c.Settings;

    EXPECT_EQ(c.FileVersion.raw(), "V100");
    EXPECT_EQ(c.BandMode, kBandHf);
    EXPECT_FALSE(doc->ChannelEditorOpen);
    EXPECT_EQ(s.Squelch, 5);
    EXPECT_EQ(c.GroupCurrentChannel(kBandCb, 17), 1);
    EXPECT_EQ(c.GroupCurrentChannel(kBandHf, 13), 1);
    EXPECT_EQ(c.GroupCurrentChannel(kBandHf, 14), 0);
    EXPECT_EQ(c.GroupCurrentChannel(kBandHam, 1), 0);

    const char* cbNames[] = {"EU", "PL", "DE", "EC", "U", "IN", "UK"};
    for (int group = 1; group <= 7; ++group) {
        EXPECT_EQ(s.GroupName(kBandCb, group).trimmed(), cbNames[group - 1]);
        EXPECT_EQ(s.GroupValid(kBandCb, group), group <= 6 ? 1 : 0) << group;
        EXPECT_EQ(s.GroupSpareValue(kBandCb, group), group <= 6 ? 41 : 0) << group;
    }
    EXPECT_EQ(s.GroupName(kBandHf, 15).raw(), std::string("O\0", 2));
    EXPECT_EQ(s.GroupName(kBandHam, 12).raw(), std::string("L\0", 2));
    EXPECT_EQ(s.GroupValid(kBandHam, 13), 0);
    EXPECT_EQ(s.GroupRefChannelB(kBandHf, 15, 1), 1);
    EXPECT_EQ(s.GroupWorkChannel(kBandHam, 12), 1);

    EXPECT_EQ(s.HamPublicParams.NbAnl, 1);
    EXPECT_EQ(s.HamPublicParams.Mode, 1);
    EXPECT_EQ(s.RepeaterOffset, 100);
    EXPECT_EQ(s.DtmfCodes[15].trimmed(), "");
    EXPECT_EQ(c.ReservedTable[11], 35);

    EXPECT_EQ(c.Identity.IdentModelShort.raw(), "TALVEN");
    EXPECT_EQ(c.Identity.IdentRangeClass2, 0);
    EXPECT_EQ(c.Identity.IdentDate.raw(), "20261210");
    EXPECT_EQ(c.Identity.IdentVersion.raw(), "V2.00");
    EXPECT_EQ(c.Identity.IdentLetter, 67);

    EXPECT_EQ(c.ToneTable[0].Steps[6].ToneFreq, 210);
    EXPECT_EQ(c.ToneTable[0].Steps[7].ToneTime, 0);
    EXPECT_EQ(c.ToneTable[1].Steps[13].ToneTime, 4);
    EXPECT_EQ(c.ToneTable[3].Steps[4].ToneFreq, 192);
    EXPECT_EQ(c.ToneTable[4].ToneRepeat, 1);
    EXPECT_EQ(c.ToneTable[5], ToneRecord{});
}

// A program folder in the temporary directory whose Init folder the tests fill.
class TemplateFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        programDir =
            std::filesystem::temp_directory_path() /
            (std::string("kv_templates_") + info->name() + "_" + std::to_string(::getpid()));
        std::filesystem::create_directories(programDir / "Init");
    }
    void TearDown() override { std::filesystem::remove_all(programDir); }

    // Saves a template whose Squelch marks it, with the given HF group 1 name.
    void WriteTemplate(const char* fileName, std::string_view hfGroup1Name, int squelch) {
        auto doc = std::make_unique<Document>();
        doc->BandRangeText = kStartupBandRangeText;
        ApplyBuiltInDefaults(*doc, "20260101");
        doc->settings().GroupName(kBandHf, 1).assign(hfGroup1Name);
        doc->settings().Squelch = static_cast<i16>(squelch);
        ASSERT_TRUE(SaveDataFile(*doc, (programDir / "Init" / fileName).string()).ok());
    }
    std::unique_ptr<Document> StartupDocument() const {
        auto doc = std::make_unique<Document>();
        doc->BandRangeText = kStartupBandRangeText;
        ParseBandRange(*doc);
        BuildNewDocument(*doc, programDir.string(), "20261210");
        return doc;
    }

    std::filesystem::path programDir;
};

TEST_F(TemplateFolderTest, MissingTemplateLeavesBuiltInDefaults) {
    const auto doc = StartupDocument();
    EXPECT_EQ(doc->DocumentName, "new.dat");
    EXPECT_TRUE(doc->DocumentUntitled);
    EXPECT_EQ(doc->settings().GroupValid(kBandCb, 7), 0);
    EXPECT_EQ(doc->settings().BatteryMax, 168);
    EXPECT_EQ(doc->config().Identity.IdentDate.raw(), "20261210");
    EXPECT_FALSE(IsDocumentChanged(*doc));
}

TEST_F(TemplateFolderTest, TemplateAppliesOnlyWithNamedHfGroupOne) {
    struct Case {
        std::string_view name;
        bool applied;
    };
    const Case cases[] = {
        {"A", true},
        {"", false},
        {"  ", false},
        {std::string_view("\0B", 2), false},  // the name ends at its first NUL
    };
    for (const Case& c : cases) {
        WriteTemplate("1_KV7700_New.dat", c.name, 9);
        const auto doc = StartupDocument();
        EXPECT_EQ(doc->settings().Squelch, c.applied ? 9 : 0) << c.name;
        EXPECT_EQ(doc->settings().BatteryMax, 168) << c.name;
        EXPECT_FALSE(IsDocumentChanged(*doc)) << c.name;
    }
}

TEST_F(TemplateFolderTest, CommandsPickTheirTemplateByKindAndRangeClass) {
    WriteTemplate("0_KV7700_New.dat", "A", 1);
    WriteTemplate("0_KV7700.dat", "A", 2);
    WriteTemplate("1_KV7700.dat", "A", 3);
    auto doc = std::make_unique<Document>();
    doc->BandRangeText = kBandRangeTexts[kBandHf];
    ASSERT_TRUE(LoadStartupTemplate(*doc, programDir.string()));
    EXPECT_EQ(doc->settings().Squelch, 1);
    doc->BandRangeText = kBandRangeTexts[kBandHf];
    ASSERT_TRUE(LoadInitialSettingTemplate(*doc, programDir.string()));
    EXPECT_EQ(doc->settings().Squelch, 2);
    doc->BandRangeText = kBandRangeTexts[kBandHam];
    EXPECT_FALSE(LoadStartupTemplate(*doc, programDir.string()));  // no 1_KV7700_New.dat
    EXPECT_EQ(doc->settings().Squelch, 2);
    ASSERT_TRUE(LoadInitialSettingTemplate(*doc, programDir.string()));
    EXPECT_EQ(doc->settings().Squelch, 3);
}

}  // namespace
}  // namespace kv
