#include "editors/tones/tone_rules.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace kv {
namespace {

// A tone with the given recycle count and step lengths.
ToneRecord ToneWith(int repeat, std::initializer_list<int> lengths) {
    ToneRecord tone;
    std::size_t i = 0;
    for (const int length : lengths) tone.Steps[i++] = {100, static_cast<i16>(length)};
    tone.ToneRepeat = static_cast<i16>(repeat);
    return tone;
}

class ToneRules : public ::testing::Test {
protected:
    std::unique_ptr<RadioData> data_ = std::make_unique<RadioData>();
    ConfigRecord& config() { return data_->Config; }
    ToneRecord& tone(int n) { return config().ToneTable[static_cast<std::size_t>(n - 1)]; }
};

TEST_F(ToneRules, DefinedNeedsRecycleAndALength) {
    struct Case {
        ToneRecord Tone;
        bool Defined;
    };
    const Case cases[] = {
        {ToneWith(1, {10}), true},        {ToneWith(10, {0, 0, 0, 0, 1}), true},
        {ToneWith(0, {10}), false},       {ToneWith(-1, {10}), false},
        {ToneWith(1, {0, 0}), false},     {ToneWith(3, {-5, 0}), false},
        {ToneWith(300, {0, 0, 7}), true},
    };
    for (const Case& c : cases) {
        tone(4) = c.Tone;
        EXPECT_EQ(IsToneDefined(config(), 4), c.Defined ? 4 : 0);
    }
    for (const int outside : {0, 9, -1, 255}) EXPECT_EQ(IsToneDefined(config(), outside), 0);
}

TEST_F(ToneRules, CountsDefinedTones) {
    EXPECT_EQ(DefinedToneCount(config()), 0);
    tone(1) = ToneWith(1, {10});
    tone(8) = ToneWith(2, {0, 3});
    tone(5) = ToneWith(0, {3});
    EXPECT_EQ(DefinedToneCount(config()), 2);
}

// With tone 1 the only defined tone, it cannot be made undefined; the list goes back.
TEST_F(ToneRules, SingleDefinedToneRefusesToBecomeUndefined) {
    tone(1) = ToneWith(1, {10, 0, 20});
    EXPECT_EQ(SetToneRepeat(*data_, 1, 0), ToneEdit::Refused);
    EXPECT_EQ(tone(1).ToneRepeat, 1);
    EXPECT_EQ(SetToneTime(*data_, 1, 1, 0), ToneEdit::Stored);
    EXPECT_EQ(SetToneTime(*data_, 1, 3, 0), ToneEdit::Refused);
    EXPECT_EQ(tone(1).Steps[2].ToneTime, 20);
    EXPECT_EQ(SetToneRepeat(*data_, 1, 4), ToneEdit::Stored);
    EXPECT_EQ(SetToneTime(*data_, 1, 3, 50), ToneEdit::Stored);
    EXPECT_EQ(IsToneDefined(config(), 1), 1);
}

// Only the single defined tone is guarded: editing an undefined tone, or one of two defined
// tones, is stored.
TEST_F(ToneRules, RefusalGuardsOnlyTheSingleDefinedTone) {
    tone(1) = ToneWith(1, {10});
    tone(3) = ToneWith(2, {0, 5});  // defined
    EXPECT_EQ(SetToneRepeat(*data_, 3, 0), ToneEdit::Stored);
    EXPECT_EQ(DefinedToneCount(config()), 1);
    // Tone 1 is now the single defined tone; the undefined tone 3 stays editable.
    EXPECT_EQ(SetToneTime(*data_, 3, 2, 0), ToneEdit::Stored);
    tone(3) = ToneWith(2, {0});
    EXPECT_EQ(SetToneRepeat(*data_, 3, 0), ToneEdit::Stored);
    EXPECT_EQ(SetToneRepeat(*data_, 1, 0), ToneEdit::Refused);
}

TEST_F(ToneRules, OtherEditsAndBadIndexes) {
    tone(2) = ToneWith(1, {10});
    EXPECT_EQ(SetToneFreq(*data_, 2, 14, 255), ToneEdit::Stored);
    EXPECT_EQ(tone(2).Steps[13].ToneFreq, 255);
    EXPECT_EQ(SetToneFreq(*data_, 2, 14, 255), ToneEdit::Unchanged);
    EXPECT_EQ(SetToneInterval(*data_, 2, 255), ToneEdit::Stored);
    EXPECT_EQ(tone(2).ToneInterval, 255);
    EXPECT_EQ(SetToneTime(*data_, 2, 1, 10), ToneEdit::Unchanged);
    const ConfigRecord before = config();
    EXPECT_EQ(SetToneRepeat(*data_, 9, 1), ToneEdit::Unchanged);
    EXPECT_EQ(SetToneTime(*data_, 0, 1, 1), ToneEdit::Unchanged);
    EXPECT_EQ(SetToneTime(*data_, 2, 15, 1), ToneEdit::Unchanged);
    EXPECT_EQ(SetToneFreq(*data_, 2, 0, 50), ToneEdit::Unchanged);
    EXPECT_EQ(SetToneInterval(*data_, -1, 3), ToneEdit::Unchanged);
    EXPECT_TRUE(config() == before);
}

// Making tone 3 undefined clears every reference to 3, wherever it is, and nothing else.
TEST_F(ToneRules, RevalidationReachesEveryReference) {
    tone(1) = ToneWith(1, {10});
    tone(3) = ToneWith(1, {10});
    RadioData& d = *data_;
    struct Place {
        int Band, Group, Slot;
    };
    const Place places[] = {
        {kBandCb, 1, 1},  {kBandCb, 3, 80},   {kBandCb, 7, 40},   {kBandHf, 1, 1},
        {kBandHf, 11, 2}, {kBandHf, 15, 3},   {kBandHf, 16, 99},  {kBandHf, 17, 1},
        {kBandHam, 1, 5}, {kBandHam, 12, 40}, {kBandHam, 13, 60}, {kBandHam, 14, 1},
    };
    for (const Place& p : places) d.channel(p.Band, p.Slot, p.Group).RogerBeep = 3;
    d.channel(kBandHf, 2, 5).RogerBeep = 1;
    d.Store.cbMem(1).RogerBeep = 3;
    d.Store.cbMem(96).RogerBeep = 3;
    d.Store.cbMem(50).RogerBeep = 1;
    RadioSettings& s = d.Config.Settings;
    s.CbPublicParams.RogerBeep = 3;
    s.HfPublicParams.RogerBeep = 1;
    s.HamPublicParams.RogerBeep = 3;

    EXPECT_EQ(SetToneRepeat(d, 3, 0), ToneEdit::Stored);

    for (const Place& p : places)
        EXPECT_EQ(d.channel(p.Band, p.Slot, p.Group).RogerBeep, 0)
            << p.Band << "/" << p.Group << "/" << p.Slot;
    EXPECT_EQ(d.channel(kBandHf, 2, 5).RogerBeep, 1);
    EXPECT_EQ(d.Store.cbMem(1).RogerBeep, 0);
    EXPECT_EQ(d.Store.cbMem(96).RogerBeep, 0);
    EXPECT_EQ(d.Store.cbMem(50).RogerBeep, 1);
    EXPECT_EQ(s.CbPublicParams.RogerBeep, 0);
    EXPECT_EQ(s.HfPublicParams.RogerBeep, 1);
    EXPECT_EQ(s.HamPublicParams.RogerBeep, 0);
}

// An edit repairs only what it breaks: references that named no defined tone before it (numbers
// outside the table, tones left undefined) stay as the radio holds them.
TEST_F(ToneRules, EditsLeaveReferencesThatWereAlreadyUndefined) {
    tone(1) = ToneWith(1, {10});
    tone(2) = ToneWith(1, {10});
    tone(5) = ToneWith(0, {10});  // undefined
    RadioData& d = *data_;
    const struct {
        int Band, Group, Slot, Tone;
    } kept[] = {{kBandCb, 2, 4, 9},  {kBandCb, 2, 5, -2}, {kBandHf, 12, 1, 15},
                {kBandHam, 1, 3, 5}, {kBandCb, 2, 6, 2},  {kBandHf, 3, 9, 1}};
    for (const auto& k : kept)
        d.channel(k.Band, k.Slot, k.Group).RogerBeep = static_cast<i16>(k.Tone);
    d.Store.cbMem(3).RogerBeep = 12;
    d.Config.Settings.HfPublicParams.RogerBeep = 5;

    EXPECT_EQ(SetToneRepeat(d, 1, 4), ToneEdit::Stored);    // stays defined
    EXPECT_EQ(SetToneTime(d, 5, 2, 30), ToneEdit::Stored);  // stays undefined
    EXPECT_EQ(SetToneRepeat(d, 6, 2), ToneEdit::Stored);    // no length: stays undefined
    EXPECT_EQ(SetToneTime(d, 2, 1, 20), ToneEdit::Stored);  // stays defined
    EXPECT_EQ(RevalidateToneReferences(d, 2), 0) << "a defined tone keeps its references";
    EXPECT_EQ(RevalidateToneReferences(d, 9), 0) << "no tone 9 to undefine";

    for (const auto& k : kept)
        EXPECT_EQ(d.channel(k.Band, k.Slot, k.Group).RogerBeep, k.Tone)
            << k.Band << "/" << k.Group << "/" << k.Slot;
    EXPECT_EQ(d.Store.cbMem(3).RogerBeep, 12);
    EXPECT_EQ(d.Config.Settings.HfPublicParams.RogerBeep, 5);

    // Once tone 2 is left undefined by an edit, its references go, and only those.
    EXPECT_EQ(SetToneTime(d, 2, 1, 0), ToneEdit::Stored);
    EXPECT_EQ(d.channel(kBandCb, 6, 2).RogerBeep, 0);
    EXPECT_EQ(d.channel(kBandHam, 3, 1).RogerBeep, 5);
    EXPECT_EQ(d.channel(kBandCb, 4, 2).RogerBeep, 9);
}

}  // namespace
}  // namespace kv
