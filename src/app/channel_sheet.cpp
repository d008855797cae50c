// The channel sheet's content.
#include "app/channel_sheet.h"

#include <algorithm>

#include "app/document_title.h"
#include "codec/shown_name.h"
#include "editors/channels/channel_slots.h"
#include "editors/channels/channel_window_texts.h"
#include "editors/channels/detail_rows.h"
#include "editors/channels/freq_text.h"
#include "editors/channels/grid_rows.h"
#include "editors/settings/settings_rules.h"
#include "editors/shared_lists.h"
#include "model/channel_store.h"

namespace kv {
namespace {

using R = ChannelRecord;

const DetailBox& BoxFor(i16 R::*field) {
    for (const DetailBox& box : DetailBoxes())
        if (box.field == field && box.list == DetailList::Fixed) return box;
    return DetailBoxes().front();
}

// The entry a stored value shows in its details box; the value marked as not in the list when
// the box has no such entry (a radio may hold any value), as the box shows it.
std::string FixedEntry(const DetailBox& box, int value, int language) {
    if (value >= 0 && value < static_cast<int>(box.entries.size()))
        return box.entries[static_cast<std::size_t>(value)].in(language);
    return NotInListText(value).in(language);
}

std::string ToneText(int type, int ctcss, int dcs, int language) {
    const auto& tones = CtcssToneEntries();
    const auto& codes = DcsCodeEntries();
    if (type == 1)
        return ctcss >= 0 && ctcss < static_cast<int>(tones.size())
                   ? tones[static_cast<std::size_t>(ctcss)]
                   : NotInListText(ctcss).in(language);
    if (type == 2)
        return dcs >= 0 && dcs < static_cast<int>(codes.size())
                   ? codes[static_cast<std::size_t>(dcs)]
                   : NotInListText(dcs).in(language);
    return {};
}

std::string Tones(const ChannelRecord& r, int language) {
    const std::string rx = ToneText(r.RxToneType, r.RxCtcss, r.RxDcs, language);
    const std::string tx = ToneText(r.TxToneType, r.TxCtcss, r.TxDcs, language);
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
        const std::string entry =
            box.list == DetailList::Fixed ? FixedEntry(box, value, language) : std::string();
        if (box.list == DetailList::Fixed && (box.entries.size() == 2 || entry == label))
            shown = label;  // an on/off box, or an entry named as its box: the name says it
        else if (box.list == DetailList::Fixed)
            shown = label + " " + entry;
        else
            shown = label + " " + std::to_string(value);
        out += (out.empty() ? "" : ", ") + shown;
    }
    return out;
}

std::string GroupTitle(const Document& doc, int band, int group, int language,
                       const CodePage& page) {
    std::string name;
    if (IsMemGroup(band, group))
        name = "MEM";
    else if (IsVfoGroup(band, group))
        name = "VFO";
    else
        name = ShownName(doc.settings().GroupName(band, group).trimmed(), page);
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

// The CB memories in use that refer into the group, with their memory numbers: the rows M1 to
// M16 of the channel window. Groups 5 and 7 share a block; a memory prints under the group it
// refers into.
std::vector<std::pair<int, const ChannelRecord*>> GroupMemories(const Document& doc, int band,
                                                                int group) {
    std::vector<std::pair<int, const ChannelRecord*>> memories;
    if (band != kBandCb) return memories;
    for (int n = 1; n <= kCbMemoriesPerBlock; ++n) {
        const int record = CbMemRecord(group, n);
        if (record == 0) continue;
        const ChannelRecord& memory = doc.Working.Store.cbMem(record);
        if (memory.InUse != 1 || memory.MemChNo == kCbMemEmpty ||
            CbMemReferredGroup(group, memory) != group)
            continue;
        memories.emplace_back(n, &memory);
    }
    return memories;
}

// A memory's row: its label, the frequency of the channel it refers to, and that channel.
std::vector<std::string> MemoryRow(const Document& doc, int group, int n,
                                   const ChannelRecord& memory, int language) {
    const ChannelRecord* referred = CbMemReferredChannel(doc.Working, group, memory);
    const std::string channel =
        (language == kLanguageChinese ? "信道 " : "CH ") + std::to_string(memory.MemChNo);
    return {"M" + std::to_string(n),
            Frequency(referred != nullptr ? *referred : memory),
            "",
            "",
            Tones(memory, language),
            channel};
}

SheetTable SettingsTable(const Document& doc, int language, const CodePage& page) {
    const bool zh = language == kLanguageChinese;
    SheetTable table{zh ? "设置" : "Settings", {zh ? "项目" : "Setting", zh ? "值" : "Value"}, {}};
    const SettingsView view{doc.Radio.RadioOptionFlag};
    std::string caption;
    for (const SettingRow& row : SettingRows()) {
        if (!row.Caption.empty()) caption = row.Caption.in(language);
        if (row.Kind == SettingKind::Text) {
            // The one text setting, the Bluetooth name: bytes of the system's code page.
            table.Rows.push_back({caption, ShownName(doc.settings().BtDeviceName.trimmed(), page)});
            continue;
        }
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
        // A value without a caption of its own (the SWR limit) belongs to the setting above.
        if ((row.SameLine || row.Caption.empty()) && !table.Rows.empty())
            table.Rows.back()[1] += " / " + value;
        else
            table.Rows.push_back({caption, value});
    }
    return table;
}

}  // namespace

ChannelSheet BuildChannelSheet(const Document& doc, int language, const CodecOptions& codec) {
    const CodePage& page = codec.AnsiCodePage != nullptr ? *codec.AnsiCodePage : Windows1252();
    const bool zh = language == kLanguageChinese;
    ChannelSheet sheet;
    sheet.Title = zh ? "KV-7700 信道表" : "KV-7700 channel sheet";
    // The band as the channel window's band selector names it, whichever program opened the file.
    const int stored = doc.config().BandMode;
    const std::string range = stored >= 0 && stored < kBandCount
                                  ? ChannelTexts().BandEntries[static_cast<std::size_t>(stored)]
                                  : doc.BandRangeText;
    sheet.Subtitle = FileNamePart(doc.DocumentName) + (range.empty() ? "" : "  ·  ") + range;
    const DetailBox& mode = BoxFor(&R::MemMode);
    const DetailBox& power = BoxFor(&R::TxPower);
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= SelectableGroups(band); ++group) {
            const auto channels = GroupChannels(doc, band, group);
            const auto memories = GroupMemories(doc, band, group);
            if (channels.empty() && memories.empty()) continue;
            SheetTable table{
                GroupTitle(doc, band, group, language, page), GroupHeader(language), {}};
            for (const ChannelRecord* r : channels)
                table.Rows.push_back({GridRowLabel(band, group, r->ChNo), Frequency(*r),
                                      FixedEntry(mode, r->MemMode, language),
                                      FixedEntry(power, r->TxPower, language), Tones(*r, language),
                                      Options(*r, band, group, language)});
            for (const auto& [n, memory] : memories)
                table.Rows.push_back(MemoryRow(doc, group, n, *memory, language));
            sheet.Groups.push_back(std::move(table));
        }
    sheet.Settings = SettingsTable(doc, language, page);
    return sheet;
}

}  // namespace kv
