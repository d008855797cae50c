#include "model/default_data.h"

#include <gtest/gtest.h>

#include <memory>

#include "editors/channels/band_range.h"

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

}  // namespace
}  // namespace kv
