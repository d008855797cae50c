// Comparing two documents field by field through the tables the windows are built from.
#include "exchange/document_diff.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>

#include "editors/settings/settings_rows.h"
#include "exchange/channel_columns.h"
#include "exchange/config_field_diff.h"
#include "exchange/utf8_text.h"

namespace kv {
namespace {

TextPair Same(const std::string& text) {
    return {text, text};
}

TextPair operator+(const TextPair& a, const TextPair& b) {
    return {a.en + b.en, a.zh + b.zh};
}

const TextPair kColon{": ", "："};

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

TextPair Change(const TextPair& a, const TextPair& b) {
    return {a.en + " -> " + b.en, a.zh + " -> " + b.zh};
}

TextPair Change(const std::string& a, const std::string& b) {
    return Same(a + " -> " + b);
}

TextPair Numbered(const TextPair& what, int n) {
    return what + Same(" " + std::to_string(n));
}

TextPair GroupLabel(int band, int group) {
    const std::string name(BandName(band));
    if (IsMemGroup(band, group)) return Same(name + " MEM");
    if (IsVfoGroup(band, group)) return Same(name + " VFO");
    return Numbered({name + " group", name + " 组"}, group);
}

TextPair OnlyIn(bool inA) {
    return inA ? TextPair{"only in A", "仅在 A 中"} : TextPair{"only in B", "仅在 B 中"};
}

// The channels of a group by channel number; the first slot of a number counts.
std::map<int, const ChannelRecord*> GroupChannels(const RadioData& data, int band, int group) {
    std::map<int, const ChannelRecord*> channels;
    const int used = std::clamp<int>(data.channelCount(band, group), 0, kMaxSlot);
    for (int slot = 1; slot <= used; ++slot) {
        const ChannelRecord& record = data.channel(band, slot, group);
        channels.emplace(record.ChNo, &record);
    }
    return channels;
}

using Differences = std::vector<Difference>;

// The record's fields the data file keeps beside the columns; the radio never sees them.
constexpr std::pair<const char*, i16 ChannelRecord::*> kReservedFields[] = {
    {"Reserved6", &ChannelRecord::Reserved6},
    {"Reserved7", &ChannelRecord::Reserved7},
    {"Reserved11", &ChannelRecord::Reserved11},
};

void DiffRecords(const Difference& place, const ChannelRecord& a, const ChannelContext& inA,
                 const ChannelRecord& b, const ChannelContext& inB, Differences& lines) {
    const auto unshifted = [](const ChannelRecord& r, const ChannelContext& in) {
        return TransmitMhz(r, in) == StoredToMhz(r.RxFreqText.raw());
    };
    for (const FieldColumn& column : FieldColumns()) {
        // A transmit frequency that follows the receive frequency on both sides says nothing
        // the receive line does not.
        if (column.Kind == FieldColumnKind::TxFreq && unshifted(a, inA) && unshifted(b, inB))
            continue;
        const std::string left = FieldText(column, a, inA);
        const std::string right = FieldText(column, b, inB);
        if (left != right)
            lines.push_back(
                place.With(place.Text + kColon + column.Caption + Same(" ") + Change(left, right)));
    }
    for (const auto& [name, field] : kReservedFields)
        if (a.*field != b.*field)
            lines.push_back(place.With(place.Text + kColon + Same(std::string(name) + " ") +
                                       Change(std::to_string(a.*field), std::to_string(b.*field))));
}

void DiffChannels(const RadioData& a, const RadioData& b, Differences& lines) {
    const auto context = [](const RadioData& data, int band) {
        return ChannelContext{band, data.Config.Settings.RepeaterOffset};
    };
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= kGroupsPerBand[band]; ++group) {
            const auto left = GroupChannels(a, band, group);
            const auto right = GroupChannels(b, band, group);
            const TextPair label = GroupLabel(band, group);
            const auto place = [&](int chNo) {
                return Difference{label + Numbered({" CH", " 信道"}, chNo), DiffArea::Channel, band,
                                  group, chNo};
            };
            for (const auto& [chNo, record] : left) {
                const auto other = right.find(chNo);
                if (other == right.end())
                    lines.push_back(place(chNo).With(place(chNo).Text + kColon + OnlyIn(true)));
                else
                    DiffRecords(place(chNo), *record, context(a, band), *other->second,
                                context(b, band), lines);
            }
            for (const auto& [chNo, record] : right)
                if (!left.contains(chNo))
                    lines.push_back(place(chNo).With(place(chNo).Text + kColon + OnlyIn(false)));
        }
    for (int n = 1; n <= kCbMemCount; ++n) {
        const ChannelRecord& left = a.Store.cbMem(n);
        const ChannelRecord& right = b.Store.cbMem(n);
        const Difference place{Numbered({"CB MEM", "CB 存储信道"}, n), DiffArea::CbMemory, kBandCb,
                               -1, n};
        if ((left.InUse == 1) != (right.InUse == 1))
            lines.push_back(place.With(place.Text + kColon + OnlyIn(left.InUse == 1)));
        else if (left.InUse == 1)
            DiffRecords(place, left, context(a, kBandCb), right, context(b, kBandCb), lines);
    }
}

void DiffGroups(const RadioData& a, const RadioData& b, const CodePage& codePage,
                Differences& lines) {
    const RadioSettings& left = a.Config.Settings;
    const RadioSettings& right = b.Config.Settings;
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= kRegularGroupsPerBand[band]; ++group) {
            const TextPair label = GroupLabel(band, group);
            const auto line = [&](DiffArea area, const TextPair& text) {
                lines.push_back({label + kColon + text, area, band, group});
            };
            const std::string nameA = ToUtf8(codePage, left.GroupName(band, group).trimmed());
            const std::string nameB = ToUtf8(codePage, right.GroupName(band, group).trimmed());
            if (nameA != nameB)
                line(DiffArea::GroupName,
                     TextPair{"name ", "组名 "} + Change(Quoted(nameA), Quoted(nameB)));
            const auto onOff = [](int valid) {
                return valid ? TextPair{"on", "开"} : TextPair{"off", "关"};
            };
            if (left.GroupValid(band, group) != right.GroupValid(band, group))
                line(DiffArea::Group,
                     TextPair{"switched ", "开关 "} + Change(onOff(left.GroupValid(band, group)),
                                                             onOff(right.GroupValid(band, group))));
            if (left.GroupWorkChannel(band, group) != right.GroupWorkChannel(band, group))
                line(DiffArea::Group,
                     TextPair{"work channel ", "工作信道 "} +
                         Change(std::to_string(left.GroupWorkChannel(band, group)),
                                std::to_string(right.GroupWorkChannel(band, group))));
        }
}

TextPair SettingText(const SettingRow& row, int value) {
    if (row.Kind == SettingKind::List && row.Rule == ChoiceRule::Position && value >= 0 &&
        value < static_cast<int>(row.Entries.size()))
        return row.Entries[static_cast<std::size_t>(value)];
    if (row.Kind == SettingKind::Check)
        return value ? TextPair{"ticked", "已勾选"} : TextPair{"not ticked", "未勾选"};
    if (row.Kind == SettingKind::Number && row.Number.Decimals > 0) {
        char text[32];
        std::snprintf(text, sizeof text, "%.*f", row.Number.Decimals,
                      value / std::pow(10.0, row.Number.Decimals));
        return Same(text);
    }
    return Same(std::to_string(value));
}

TextPair SettingLabel(const SettingRow& row) {
    const std::string en = row.Caption.en.empty() ? row.Name : row.Caption.en;
    const std::string zh = row.Caption.zh.empty() ? en : row.Caption.zh;
    return {"Setting " + Quoted(en), "设置“" + zh + "”"};
}

void DiffSettings(const RadioData& a, const RadioData& b, const CodePage& codePage,
                  Differences& lines) {
    for (const SettingRow& row : SettingRows()) {
        const TextPair caption = SettingLabel(row);
        if (!row.Field) {
            const std::string left = ToUtf8(codePage, a.Config.Settings.BtDeviceName.trimmed());
            const std::string right = ToUtf8(codePage, b.Config.Settings.BtDeviceName.trimmed());
            if (left != right)
                lines.push_back(
                    {caption + kColon + Change(Quoted(left), Quoted(right)), DiffArea::Setting});
            continue;
        }
        const int left = row.Field->get(a.Config);
        const int right = row.Field->get(b.Config);
        if (left != right)
            lines.push_back(
                {caption + kColon + Change(SettingText(row, left), SettingText(row, right)),
                 DiffArea::Setting});
    }
    const RadioSettings& left = a.Config.Settings;
    const RadioSettings& right = b.Config.Settings;
    for (int n = 0; n < kDtmfCodeCount; ++n) {
        const std::string codeA = left.DtmfCodes[n].trimmed();
        const std::string codeB = right.DtmfCodes[n].trimmed();
        if (codeA != codeB)
            lines.push_back({Numbered({"DTMF code", "DTMF 码"}, n + 1) + kColon +
                                 Change(Quoted(codeA), Quoted(codeB)),
                             DiffArea::Dtmf});
    }
}

// Everything else of the configuration record, field by field: b with what the lines above name
// set to a's values, so that nothing is named twice.
void DiffRest(const RadioData& a, const RadioData& b, Differences& lines) {
    ConfigRecord covered = b.Config;
    for (const SettingRow& row : SettingRows())
        if (row.Field) row.Field->set(covered, row.Field->get(a.Config));
    RadioSettings& settings = covered.Settings;
    settings.BtDeviceName = a.Config.Settings.BtDeviceName;
    settings.DtmfCodes = a.Config.Settings.DtmfCodes;
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= kRegularGroupsPerBand[band]; ++group) {
            settings.GroupName(band, group) = a.Config.Settings.GroupName(band, group);
            settings.GroupValid(band, group) = a.Config.Settings.GroupValid(band, group);
            settings.GroupWorkChannel(band, group) =
                a.Config.Settings.GroupWorkChannel(band, group);
        }
    for (const FieldChange& change : DiffConfigFields(a.Config, covered))
        lines.push_back({change.Label + kColon + Change(change.Before, change.After), change.Area});
}

}  // namespace

std::vector<Difference> FindDifferences(const RadioData& a, const RadioData& b,
                                        const CodePage& codePage) {
    Differences lines;
    DiffChannels(a, b, lines);
    DiffGroups(a, b, codePage, lines);
    DiffSettings(a, b, codePage, lines);
    DiffRest(a, b, lines);
    return lines;
}

std::vector<std::string> DiffDocuments(const RadioData& a, const RadioData& b,
                                       const CodePage& codePage) {
    std::vector<std::string> lines;
    for (Difference& difference : FindDifferences(a, b, codePage))
        lines.push_back(std::move(difference.Text.en));
    return lines;
}

}  // namespace kv
