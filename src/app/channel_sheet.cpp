// The channel sheet's content.
#include "app/channel_sheet.h"

#include <algorithm>

#include "app/document_title.h"
#include "editors/channels/channel_slots.h"
#include "editors/channels/detail_rows.h"
#include "editors/channels/freq_text.h"
#include "editors/channels/grid_rows.h"
#include "editors/settings/settings_rules.h"
#include "model/channel_store.h"

namespace kv {
namespace {

using R = ChannelRecord;

// Stored bytes that are not printable ASCII (names from a radio may hold any byte) print as "?".
std::string Printable(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) c = '?';
    return out;
}

const DetailBox& BoxFor(i16 R::*field) {
    for (const DetailBox& box : DetailBoxes())
        if (box.field == field && box.list == DetailList::Fixed) return box;
    return DetailBoxes().front();
}

// The entry a stored value shows in its details box; the number itself when the box has no
// such entry (a radio may hold any value).
std::string FixedEntry(const DetailBox& box, int value, int language) {
    if (value >= 0 && value < static_cast<int>(box.entries.size()))
        return box.entries[static_cast<std::size_t>(value)].in(language);
    return std::to_string(value);
}

std::string ToneText(int type, int ctcss, int dcs) {
    const auto& tones = CtcssToneEntries();
    const auto& codes = DcsCodeEntries();
    if (type == 1)
        return ctcss >= 0 && ctcss < static_cast<int>(tones.size())
                   ? tones[static_cast<std::size_t>(ctcss)]
                   : std::to_string(ctcss);
    if (type == 2)
        return dcs >= 0 && dcs < static_cast<int>(codes.size())
                   ? codes[static_cast<std::size_t>(dcs)]
                   : std::to_string(dcs);
    return {};
}

std::string Tones(const ChannelRecord& r) {
    const std::string rx = ToneText(r.RxToneType, r.RxCtcss, r.RxDcs);
    const std::string tx = ToneText(r.TxToneType, r.TxCtcss, r.TxDcs);
    std::string out;
    if (!rx.empty()) out += "RX " + rx;
    if (!tx.empty()) out += (out.empty() ? "" : ", ") + std::string("TX ") + tx;
    return out;
}

// The details boxes the other columns do not show, for the options that are on.
bool IsOptionBox(const DetailBox& box) {
    static constexpr i16 R::*kShownElsewhere[] = {
        &R::MemMode, &R::TxPower, &R::RxToneType, &R::TxToneType, &R::RxCtcss,
        &R::RxDcs,   &R::TxCtcss, &R::TxDcs,      &R::MemChNo,    &R::MemBand};
    return std::find(std::begin(kShownElsewhere), std::end(kShownElsewhere), box.field) ==
           std::end(kShownElsewhere);
}

std::string Options(const ChannelRecord& r, int band, int group, int language) {
    std::string out;
    for (const DetailBox& box : DetailBoxes()) {
        if (!IsOptionBox(box) ||
            !DetailBoxShown(box, band, IsMemGroup(band, group), false, group, r))
            continue;
        const int value = r.*box.field;
        if (value == 0) continue;
        const std::string label = box.label.in(language);
        std::string shown;
        if (box.list == DetailList::Fixed && box.entries.size() == 2)
            shown = label;  // an on/off box: its name says it
        else if (box.list == DetailList::Fixed)
            shown = label + " " + FixedEntry(box, value, language);
        else
            shown = label + " " + std::to_string(value);
        out += (out.empty() ? "" : ", ") + shown;
    }
    return out;
}

std::string GroupTitle(const Document& doc, int band, int group, int language) {
    std::string name;
    if (IsMemGroup(band, group))
        name = "MEM";
    else if (IsVfoGroup(band, group))
        name = "VFO";
    else
        name = Printable(doc.settings().GroupName(band, group).trimmed());
    const std::string number = std::to_string(group);
    std::string title = language == kLanguageChinese
                            ? std::string(BandName(band)) + " 波段，第 " + number + " 组"
                            : std::string(BandName(band)) + " band, group " + number;
    if (!name.empty()) title += " — " + name;
    return title;
}

std::vector<std::string> GroupHeader(int language) {
    const bool zh = language == kLanguageChinese;
    return {"CH No.",
            zh ? "频率（MHz）" : "Frequency (MHz)",
            zh ? "模式" : "Mode",
            zh ? "功率" : "Power",
            zh ? "亚音" : "Tones",
            zh ? "已开启的选项" : "Options on"};
}

std::vector<const ChannelRecord*> GroupChannels(const Document& doc, int band, int group) {
    std::vector<const ChannelRecord*> records;
    for (int slot = 1; slot <= UsedSlots(doc.Working, band, group); ++slot) {
        const ChannelRecord& r = doc.Working.channel(band, slot, group);
        if (r.InUse == 1 && r.ChNo >= 1 && r.ChNo <= SlotCapacity(band, group))
            records.push_back(&r);
    }
    std::stable_sort(
        records.begin(), records.end(),
        [](const ChannelRecord* a, const ChannelRecord* b) { return a->ChNo < b->ChNo; });
    return records;
}

std::string Frequency(const ChannelRecord& r) {
    const std::optional<double> mhz = StoredFreqMhz(r.RxFreqText.raw());
    return mhz ? FormatFreq(*mhz) : std::string();
}

SheetTable SettingsTable(const Document& doc, int language) {
    const bool zh = language == kLanguageChinese;
    SheetTable table{zh ? "设置" : "Settings", {zh ? "项目" : "Setting", zh ? "值" : "Value"}, {}};
    const SettingsView view{doc.Radio.RadioOptionFlag};
    std::string caption;
    for (const SettingRow& row : SettingRows()) {
        if (!row.Caption.empty()) caption = row.Caption.in(language);
        if (!row.Field) continue;
        std::string value;
        switch (row.Kind) {
            case SettingKind::List: {
                const ChoiceList choices = SettingChoices(row, doc.config(), view);
                const int shown = ShownSettingChoice(row, doc.config(), view);
                value = shown >= 0 ? choices[static_cast<std::size_t>(shown)].Text.in(language)
                                   : std::to_string(StoredSettingValue(row, doc.config()));
                break;
            }
            case SettingKind::Check:
                value = (IsSettingTicked(row, doc.config()) ? OnText() : OffText()).in(language);
                break;
            case SettingKind::Number:
                value = ShownSettingNumber(row, doc.config()) + std::string(row.Unit);
                break;
            case SettingKind::Text:
                continue;
        }
        if (row.SameLine && !table.Rows.empty())
            table.Rows.back()[1] += " / " + value;
        else
            table.Rows.push_back({caption, value});
    }
    return table;
}

}  // namespace

ChannelSheet BuildChannelSheet(const Document& doc, int language) {
    const bool zh = language == kLanguageChinese;
    ChannelSheet sheet;
    sheet.Title = zh ? "KV-7700 信道表" : "KV-7700 channel sheet";
    sheet.Subtitle = FileNamePart(doc.DocumentName) + (doc.BandRangeText.empty() ? "" : "  ·  ") +
                     doc.BandRangeText;
    const DetailBox& mode = BoxFor(&R::MemMode);
    const DetailBox& power = BoxFor(&R::TxPower);
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= SelectableGroups(band); ++group) {
            const auto channels = GroupChannels(doc, band, group);
            if (channels.empty()) continue;
            SheetTable table{GroupTitle(doc, band, group, language), GroupHeader(language), {}};
            for (const ChannelRecord* r : channels)
                table.Rows.push_back({GridRowLabel(band, group, r->ChNo), Frequency(*r),
                                      FixedEntry(mode, r->MemMode, language),
                                      FixedEntry(power, r->TxPower, language), Tones(*r),
                                      Options(*r, band, group, language)});
            sheet.Groups.push_back(std::move(table));
        }
    sheet.Settings = SettingsTable(doc, language);
    return sheet;
}

}  // namespace kv
