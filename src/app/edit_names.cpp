// Names of edits for the Edit menu.
#include "app/edit_names.h"

#include <string>

#include "app/main_window_tables.h"
#include "codec/shown_name.h"
#include "editors/blocks/block_windows.h"
#include "editors/blocks/weather_texts.h"
#include "editors/channels/channel_names.h"
#include "editors/channels/channel_window_texts.h"
#include "editors/channels/detail_rows.h"
#include "editors/channels/grid_rows.h"
#include "editors/settings/settings_texts.h"
#include "editors/tones/dtmf_texts.h"
#include "editors/tones/tone_texts.h"

namespace kv {
namespace {

const TextPair kChannelsName{"Channels", "信道"};
const TextPair kGroupSettingsName{"Group Settings", "组设置"};
const TextPair kPublicName{"Public Channel Parameters", "公共信道参数"};
const TextPair kWholeName{"Edit", "编辑"};
const TextPair kChannelWord{"CH", "信道"};

bool OnlyFrequencies(const ChannelChange& change) {
    ChannelRecord after = change.After;
    after.RxFreqText = change.Before.RxFreqText;
    after.TxFreqText = change.Before.TxFreqText;
    return after == change.Before;
}

// The detail box whose member is the only one the change touched; nullptr when there is none.
const DetailBox* OnlyDetail(const ChannelChange& change) {
    for (const DetailBox& box : DetailBoxes()) {
        if (box.field == nullptr || change.Before.*box.field == change.After.*box.field) continue;
        ChannelRecord after = change.After;
        after.*box.field = change.Before.*box.field;
        return after == change.Before ? &box : nullptr;
    }
    return nullptr;
}

TextPair ChannelField(const WorkingDiff& diff) {
    if (diff.ConfigBefore || diff.Channels.empty()) return kChannelsName;
    bool frequencies = true;
    const DetailBox* detail = diff.Channels.size() == 1 ? OnlyDetail(diff.Channels[0]) : nullptr;
    for (const ChannelChange& change : diff.Channels)
        frequencies = frequencies && OnlyFrequencies(change);
    if (frequencies) return ChannelTexts().FrequencyHeader;
    return detail != nullptr ? detail->label : kChannelsName;
}

// ", HF A" and ", CH 7" or ", CH 7-9", each part where the edit names it.
TextPair Where(const Document& doc, const DocumentEdit& edit, bool rows, const CodePage& codePage) {
    std::string place;
    if (edit.Band >= 0 && edit.Band < kBandCount) {
        place = std::string(", ") + BandName(edit.Band);
        // The stored name's bytes, as the group selector shows them.
        if (edit.Group >= 1)
            place += " " + ShownName(GroupIndexToName(doc, edit.Band, edit.Group), codePage);
    }
    TextPair where{place, place};
    if (!rows || edit.FirstRow < 1) return where;
    const auto label = [&](int row) {
        return edit.Band >= 0 && edit.Group >= 1 ? GridRowLabel(edit.Band, edit.Group, row)
                                                 : std::to_string(row);
    };
    std::string numbers = label(edit.FirstRow);
    if (edit.LastRow > edit.FirstRow) numbers += "-" + label(edit.LastRow);
    where.en += ", " + kChannelWord.en + " " + numbers;
    where.zh += ", " + kChannelWord.zh + " " + numbers;
    return where;
}

TextPair Join(const TextPair& name, const TextPair& where) {
    return {name.en + where.en, name.zh + where.zh};
}

TextPair Same(const std::string& text) {
    return {text, text};
}

EditDescription SpecialBlock(const WorkingDiff& diff) {
    if (diff.ConfigBefore) {
        const ConfigRecord& a = *diff.ConfigBefore;
        const ConfigRecord& b = *diff.ConfigAfter;
        if (a.DwBlock != b.DwBlock)
            return {Same(DualWatchWindowDescription().Caption), kDualWatchWindow};
        if (a.MemKeyBlock != b.MemKeyBlock)
            return {Same(MemoryKeyWindowDescription().Caption), kMemoryKeyWindow};
    }
    return {Same(EmergencyWindowDescription().Caption), kEmergencyWindow};
}

}  // namespace

EditDescription DescribeEdit(const Document& doc, const DocumentEdit& edit, const WorkingDiff& diff,
                             const CodePage& codePage) {
    switch (edit.Section) {
        case EditSection::Channels:
            return {Join(ChannelField(diff), Where(doc, edit, true, codePage)), kChannelWindow};
        case EditSection::GroupSettings:
            if (diff.ConfigBefore &&
                !(diff.ConfigBefore->Settings.GroupName == diff.ConfigAfter->Settings.GroupName))
                return {Join(GroupNameWindowTexts().Caption, Where(doc, edit, false, codePage)),
                        kGroupNameWindow};
            return {Join(kGroupSettingsName, Where(doc, edit, false, codePage)), kChannelWindow};
        case EditSection::Settings:
            return {SettingsTexts().Caption, kSettingsWindow};
        case EditSection::PublicChannels:
            return {Join(kPublicName, Where(doc, edit, false, codePage)), kSettingsWindow};
        case EditSection::SpecialBlocks:
            return SpecialBlock(diff);
        case EditSection::Weather:
            return {Join(WeatherWindowCaption(), Where(doc, edit, true, codePage)), kWeatherWindow};
        case EditSection::Tones:
            return {ToneTexts().Caption, kRogerBeepWindow};
        case EditSection::Dtmf:
            return {DtmfTexts().Caption, kDtmfWindow};
        case EditSection::Whole:
            break;
    }
    return {kWholeName, nullptr};
}

TextPair UndoCaption(const TextPair* name) {
    if (name == nullptr) return {"Undo", "撤销"};
    return {"Undo " + name->en, "撤销 " + name->zh};
}

TextPair RedoCaption(const TextPair* name) {
    if (name == nullptr) return {"Redo", "重做"};
    return {"Redo " + name->en, "重做 " + name->zh};
}

}  // namespace kv
