// Find across the document.
#include "exchange/document_find.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "editors/blocks/block_edit.h"
#include "editors/blocks/block_windows.h"
#include "editors/channels/channel_names.h"
#include "editors/channels/channel_slots.h"
#include "editors/channels/freq_text.h"
#include "editors/channels/grid_rows.h"
#include "exchange/channel_columns.h"
#include "exchange/channel_export.h"
#include "model/numeric_text.h"
#include "model/stored_frequency.h"
#include "model/transmit_frequency.h"

namespace kv {
namespace {

constexpr const char* kBandNames[] = {"CB", "HF", "HAM"};

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::optional<std::int64_t> MhzToHz(std::string_view text) {
    const std::optional<double> mhz = ParseNumber(text);
    if (!mhz || !std::isfinite(*mhz) || *mhz < 0 || *mhz > 1e5) return std::nullopt;
    return static_cast<std::int64_t>(std::llround(*mhz * 1'000'000.0));
}

bool InRange(const FindQuery& q, std::optional<std::int64_t> hz) {
    return hz && *hz >= q.LowHz && *hz <= q.HighHz;
}

bool Contains(const FindQuery& q, std::string_view text) {
    return Lower(text).find(q.Text) != std::string::npos;
}

bool ContainsEither(const FindQuery& q, const TextPair& text) {
    return Contains(q, text.en) || Contains(q, text.zh);
}

std::string MhzText(std::int64_t hz) {
    return FormatFreq(static_cast<double>(hz) / 1'000'000.0) + " MHz";
}

TextPair ChannelPlace(const Document& doc, int band, int group, int chNo) {
    const std::string name = GroupIndexToName(doc, band, group);
    const std::string where =
        std::string(kBandNames[band]) + " " + (name.empty() ? std::to_string(group) : name);
    const std::string label = GridRowLabel(band, group, chNo);
    return {where + " CH " + label, where + " 信道 " + label};
}

// A channel's hit: the place, its frequency and what matched.
void FindInChannel(const Document& doc, int band, int group, const ChannelRecord& record,
                   const FindQuery& q, std::vector<Difference>& hits) {
    const std::optional<std::int64_t> rx = StoredFrequencyHz(record.RxFreqText.raw());
    const std::optional<std::int64_t> tx =
        TransmitFrequencyHz(band, record, doc.settings().RepeaterOffset);
    TextPair line = ChannelPlace(doc, band, group, record.ChNo);
    const std::string freq = rx ? MhzText(*rx) : std::string("—");
    line.en += ": " + freq;
    line.zh += "：" + freq;
    bool hit = false;
    if (q.What == FindQuery::Kind::Text) {
        const ChannelContext context{band, doc.settings().RepeaterOffset};
        for (const FieldColumn& column : FieldColumns()) {
            if (column.Kind == FieldColumnKind::Detail && column.Box != nullptr &&
                !DetailBoxShown(*column.Box, band, IsMemGroup(band, group), false, group, record))
                continue;
            const TextPair value{FieldText(column, record, context, kLanguageEnglish),
                                 FieldText(column, record, context, kLanguageChinese)};
            if (!ContainsEither(q, value)) continue;
            line.en += ", " + column.Caption.en + " " + value.en;
            line.zh += "，" + column.Caption.zh + " " + value.zh;
            hit = true;
        }
    } else {
        hit = InRange(q, rx);
        if (!hit && InRange(q, tx) && tx != rx) {
            line.en += ", TX " + MhzText(*tx);
            line.zh += "，发射 " + MhzText(*tx);
            hit = true;
        }
    }
    if (!hit) return;
    Difference found;
    found.Text = std::move(line);
    found.Area = DiffArea::Channel;
    found.Band = band;
    found.Group = group;
    found.ChNo = record.ChNo;
    hits.push_back(std::move(found));
}

void FindChannels(const Document& doc, const FindQuery& q, std::vector<Difference>& hits) {
    const RadioData& data = doc.Working;
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= SelectableGroups(band); ++group) {
            if (q.What == FindQuery::Kind::Text) {
                const std::string name = GroupIndexToName(doc, band, group);
                if (!name.empty() && Contains(q, name)) {
                    Difference found;
                    found.Text = {std::string(kBandNames[band]) + " group " + name,
                                  std::string(kBandNames[band]) + " 组 " + name};
                    found.Area = DiffArea::Group;
                    found.Band = band;
                    found.Group = group;
                    hits.push_back(std::move(found));
                }
            }
            std::vector<const ChannelRecord*> records;
            for (int slot = 1; slot <= UsedSlots(data, band, group); ++slot)
                records.push_back(&data.channel(band, slot, group));
            std::stable_sort(
                records.begin(), records.end(),
                [](const ChannelRecord* a, const ChannelRecord* b) { return a->ChNo < b->ChNo; });
            for (const ChannelRecord* record : records)
                FindInChannel(doc, band, group, *record, q, hits);
        }
}

// A CB memory shows the frequency of the channel it refers to.
void FindCbMemories(const Document& doc, const FindQuery& q, std::vector<Difference>& hits) {
    if (q.What == FindQuery::Kind::Text) return;
    const RadioData& data = doc.Working;
    for (int n = 1; n <= kCbMemoriesPerBlock * 6; ++n) {
        const ChannelRecord& memory = data.Store.cbMem(n);
        if (memory.InUse != 1) continue;
        const int group = CbMemoryGroup(memory, n);
        const ChannelRecord* channel = CbMemReferredChannel(data, group, memory);
        if (channel == nullptr) continue;
        const std::optional<std::int64_t> rx = StoredFrequencyHz(channel->RxFreqText.raw());
        if (!InRange(q, rx)) continue;
        const std::string name = GroupIndexToName(doc, kBandCb, group);
        const std::string memoryNo = std::to_string((n - 1) % kCbMemoriesPerBlock + 1);
        Difference found;
        found.Text = {"CB " + name + " M" + memoryNo + ": " + MhzText(*rx),
                      "CB " + name + " M" + memoryNo + "：" + MhzText(*rx)};
        found.Area = DiffArea::CbMemory;
        found.Band = kBandCb;
        found.Group = group;
        found.ChNo = n;
        hits.push_back(std::move(found));
    }
}

// The channel a block list's value names; nullptr for the lists that name none.
const ChannelRecord* BlockChannel(const Document& doc, const BlockWindowDescription& description,
                                  const BlockListRow& row, std::span<const i16> values) {
    int band = row.Band;
    int group = 0;
    switch (row.Kind) {
        case BlockListKind::CbChannels:
            band = kBandCb;
            group = row.Group;
            break;
        case BlockListKind::MemChannels:
            group = band > kBandCb && band < kBandCount ? kMemGroup[band] : 0;
            break;
        case BlockListKind::BandChannels: {
            const int groupValue = description.Lists.at(row.FollowsList).Value;
            if (groupValue >= 0 && groupValue < static_cast<int>(values.size()))
                group = values[groupValue] + 1;
            break;
        }
        default:
            return nullptr;
    }
    if (row.Value < 0 || row.Value >= static_cast<int>(values.size()) || !IsStoreGroup(band, group))
        return nullptr;
    const int slot = FindSlot(doc.Working, band, group, values[row.Value] + 1);
    return slot > 0 ? &doc.Working.channel(band, slot, group) : nullptr;
}

void FindBlocks(const Document& doc, const FindQuery& q, std::vector<Difference>& hits) {
    struct Block {
        const BlockWindowDescription& Description;
        DiffArea Area;
    };
    const Block blocks[] = {{EmergencyWindowDescription(), DiffArea::Emergency},
                            {DualWatchWindowDescription(), DiffArea::DualWatch},
                            {MemoryKeyWindowDescription(), DiffArea::MemoryKey}};
    for (const Block& block : blocks) {
        const BlockEdit shown(block.Description, doc);
        const std::span<const i16> values = BlockValues(doc.config(), block.Description.Block);
        for (const BlockListRow& row : block.Description.Lists) {
            if (row.Hidden || row.Value < 0) continue;
            const int position = shown.Shown(row.Index);
            const auto& entries = shown.Entries(row.Index);
            const std::string value = position >= 0 && position < static_cast<int>(entries.size())
                                          ? entries[static_cast<std::size_t>(position)].Text
                                          : std::to_string(shown.ShownNumber(row.Index));
            std::string line = block.Description.Caption + ": " + row.Caption + " " + value;
            bool hit = false;
            if (q.What == FindQuery::Kind::Text) {
                hit = Contains(q, row.Caption + " " + value);
            } else if (const ChannelRecord* channel =
                           BlockChannel(doc, block.Description, row, values)) {
                const auto rx = StoredFrequencyHz(channel->RxFreqText.raw());
                hit = InRange(q, rx);
                if (hit) line += " (" + MhzText(*rx) + ")";
            }
            if (!hit) continue;
            Difference found;
            found.Text = {line, line};
            found.Area = block.Area;
            hits.push_back(std::move(found));
        }
    }
}

void FindWeather(const Document& doc, const FindQuery& q, std::vector<Difference>& hits) {
    const auto& channels = doc.settings().WeatherChannels;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const WeatherRecord& wx = channels[i];
        if (wx.WxInUse != 1) continue;
        const std::int64_t hz = static_cast<std::int64_t>(std::llround(wx.WxFrequency * 1e6));
        const std::string number = i + 1 == channels.size() ? "VFO" : std::to_string(i + 1);
        const std::string freq = MhzText(hz);
        const TextPair line{"Weather Channel " + number + ": " + freq,
                            "气象信道 " + number + "：" + freq};
        const bool hit = q.What == FindQuery::Kind::Text ? ContainsEither(q, line) : InRange(q, hz);
        if (!hit) continue;
        Difference found;
        found.Text = line;
        found.Area = DiffArea::Weather;
        hits.push_back(std::move(found));
    }
}

}  // namespace

std::optional<FindQuery> ParseFindQuery(std::string_view entry) {
    const std::string text = Trim(entry);
    if (text.empty()) return std::nullopt;
    FindQuery query;
    // A range: two numbers around a "-" that is not a leading sign.
    if (const auto dash = text.find('-', 1); dash != std::string::npos) {
        const auto low = MhzToHz(Trim(std::string_view(text).substr(0, dash)));
        const auto high = MhzToHz(Trim(std::string_view(text).substr(dash + 1)));
        if (low && high) {
            query.What = FindQuery::Kind::Range;
            query.LowHz = std::min(*low, *high);
            query.HighHz = std::max(*low, *high);
            return query;
        }
    }
    if (const auto hz = MhzToHz(text)) {
        query.What = FindQuery::Kind::Frequency;
        query.LowHz = query.HighHz = *hz;
        return query;
    }
    query.Text = Lower(text);
    return query;
}

std::vector<Difference> FindInDocument(const Document& doc, const FindQuery& query) {
    std::vector<Difference> hits;
    FindChannels(doc, query, hits);
    FindCbMemories(doc, query, hits);
    FindBlocks(doc, query, hits);
    FindWeather(doc, query, hits);
    return hits;
}

TextPair FindSummary(std::size_t hits) {
    if (hits == 0) return {"No place holds it.", "没有找到。"};
    const std::string n = std::to_string(hits);
    return {n + (hits == 1 ? " place found." : " places found."), "找到 " + n + " 处。"};
}

}  // namespace kv
