// The common format written from a group, each row read back through the import's own mapping so
// that what the file says is what the radio holds.
#include "exchange/common_export.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "editors/shared_lists.h"
#include "exchange/channel_columns.h"
#include "exchange/common_format.h"
#include "exchange/csv.h"
#include "exchange/import_texts.h"
#include "exchange/utf8_text.h"
#include "model/group_arrays.h"
#include "model/stored_frequency.h"
#include "model/transmit_frequency.h"

namespace kv {
namespace {

// The other program's own column order; its readers find the columns by name.
constexpr std::array<std::string_view, 21> kColumns = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

// What the other program writes where a tone or code is not used.
constexpr std::string_view kUnusedTone = "88.5";
constexpr std::string_view kUnusedCode = "023";
constexpr std::string_view kTuningStep = "5.00";

enum ToneType : int { kOff = 0, kCtcss = 1, kDcs = 2 };

class Row {
public:
    Row() : cells_(kColumns.size()) {}
    void set(std::string_view column, std::string value) {
        const auto at = std::find(kColumns.begin(), kColumns.end(), column);
        cells_[static_cast<std::size_t>(at - kColumns.begin())] = std::move(value);
    }
    const std::vector<std::string>& cells() const { return cells_; }

private:
    std::vector<std::string> cells_;
};

// A list value as the windows show it, "#" and the number off the list.
std::string ListValueText(const std::vector<TextPair>& list, int value) {
    if (value >= 0 && static_cast<std::size_t>(value) < list.size())
        return list[static_cast<std::size_t>(value)].en;
    return "#" + std::to_string(value);
}

TextPair NotCarriedText(std::string_view field, std::string_view value) {
    return FillText(
        {"{} \"{}\" has no equivalent in the common format", "{}“{}”在通用格式中没有对应值"},
        {field, value});
}

// The tone columns: Tone and CrossMode from the two tone types, the tones and codes beside them.
std::optional<TextPair> SetTones(const ChannelRecord& record, Row& row) {
    const int tx = record.TxToneType;
    const int rx = record.RxToneType;
    if (tx < kOff || tx > kDcs) return NotCarriedText("TXCTC", "#" + std::to_string(tx));
    if (rx < kOff || rx > kDcs) return NotCarriedText("RXCTC", "#" + std::to_string(rx));
    const auto txTone = CommonToneText(record.TxCtcss);
    const auto rxTone = CommonToneText(record.RxCtcss);
    const auto txCode = CommonCodeText(record.TxDcs);
    const auto rxCode = CommonCodeText(record.RxDcs);
    if (tx == kCtcss && !txTone)
        return NotCarriedText("TX CTCSS", "#" + std::to_string(record.TxCtcss));
    if (rx == kCtcss && !rxTone)
        return NotCarriedText("RX CTCSS", "#" + std::to_string(record.RxCtcss));
    if (tx == kDcs && !txCode) return NotCarriedText("TX DCS", "#" + std::to_string(record.TxDcs));
    if (rx == kDcs && !rxCode) return NotCarriedText("RX DCS", "#" + std::to_string(record.RxDcs));

    std::string tone;
    std::string cross = "Tone->Tone";
    std::string rTone(kUnusedTone), cTone(kUnusedTone), code(kUnusedCode), rxDcs(kUnusedCode);
    if (tx == kCtcss && rx == kOff) {
        tone = "Tone";
        rTone = *txTone;
    } else if (tx == kCtcss && rx == kCtcss && *txTone == *rxTone) {
        tone = "TSQL";
        cTone = *rxTone;
    } else if (tx == kDcs && rx == kDcs && *txCode == *rxCode) {
        tone = "DTCS";
        code = *txCode;
    } else if (tx != kOff || rx != kOff) {
        // Every other pair is a cross mode: the transmit side's tone in rToneFreq or DtcsCode,
        // the receive side's in cToneFreq or RxDtcsCode.
        tone = "Cross";
        const auto side = [](int type) {
            return std::string(type == kCtcss ? "Tone" : type == kDcs ? "DTCS" : "");
        };
        cross = side(tx) + "->" + side(rx);
        if (tx == kCtcss) rTone = *txTone;
        if (tx == kDcs) code = *txCode;
        if (rx == kCtcss) cTone = *rxTone;
        if (rx == kDcs) rxDcs = *rxCode;
    }
    row.set("Tone", tone);
    row.set("rToneFreq", rTone);
    row.set("cToneFreq", cTone);
    row.set("DtcsCode", code);
    row.set("DtcsPolarity", "NN");
    row.set("RxDtcsCode", rxDcs);
    row.set("CrossMode", cross);
    return std::nullopt;
}

// The row for a channel, or why the format cannot carry it.
std::variant<Row, TextPair> ChannelRow(const ChannelRecord& record, int band, std::int32_t offset,
                                       const std::string& comment) {
    Row row;
    row.set("Location", std::to_string(record.ChNo));
    if ((record.InUse & 1) == 0)
        return TextPair{"the radio does not hold the channel (it is not marked in use)",
                        "对讲机中没有该信道（未标记为使用）"};
    const std::optional<std::int64_t> rxHz = StoredFrequencyHz(record.RxFreqText.raw());
    if (!rxHz) {
        const std::string written = StoredToMhz(record.RxFreqText.raw());
        if (written.empty())
            return TextPair{"the channel has no receive frequency", "该信道没有接收频率"};
        return NotCarriedText("RX MHz", written);
    }
    row.set("Frequency", HzAsMhzText(*rxHz));
    const bool shifted =
        band != kBandCb && (record.RepShift == kRepAdd || record.RepShift == kRepSubtract);
    if (band != kBandCb && record.RepShift != 0 && !shifted)
        return NotCarriedText("REP", "#" + std::to_string(record.RepShift));
    row.set("Duplex", shifted ? (record.RepShift == kRepAdd ? "+" : "-") : "");
    row.set("Offset", HzAsMhzText(shifted ? RepeaterShiftHz(offset) : 0));
    if (auto refused = SetTones(record, row)) return *refused;
    const auto mode = CommonModeName(record.MemMode);
    if (!mode) return NotCarriedText("Mode", ListValueText(ModeList(), record.MemMode));
    row.set("Mode", *mode);
    row.set("TStep", std::string(kTuningStep));
    if (record.ScanAdd != 0 && record.ScanAdd != 1)
        return NotCarriedText("Scan", "#" + std::to_string(record.ScanAdd));
    row.set("Skip", record.ScanAdd == 0 ? "S" : "");
    const auto power = CommonPowerName(record.TxPower);
    if (!power) return NotCarriedText("Power", ListValueText(PowerList(), record.TxPower));
    row.set("Power", *power);
    row.set("Comment", comment);
    return row;
}

}  // namespace

bool IsCommonExportGroup(int band, int group) {
    return (band == kBandHf || band == kBandHam) && group >= 1 && group <= kGroupsPerBand[band];
}

CommonExport ExportCommonFormat(const RadioData& data, int band, int group,
                                const CodePage& codePage) {
    CommonExport result;
    if (!IsCommonExportGroup(band, group)) return result;
    const std::vector<std::string> header(kColumns.begin(), kColumns.end());
    result.Text = CsvLine(header, ',', CsvCells::AsWritten);
    const CsvHeader columns = HeaderOf({0, header});
    const std::int32_t offset = data.Config.Settings.RepeaterOffset;
    std::string comment = std::string(BandName(band)) + " " + std::to_string(group);
    if (group <= kRegularGroupsPerBand[band]) {
        const std::string name =
            ToUtf8(codePage, data.Config.Settings.GroupName(band, group).trimmed());
        if (!name.empty()) comment += " " + name;
    }
    const int used = std::clamp<int>(data.channelCount(band, group), 0, kMaxSlot);
    for (int slot = 1; slot <= used; ++slot) {
        const ChannelRecord& record = data.channel(band, slot, group);
        auto row = ChannelRow(record, band, offset, comment);
        if (auto* refused = std::get_if<TextPair>(&row)) {
            result.Left.push_back({record.ChNo, std::move(*refused)});
            continue;
        }
        const std::vector<std::string>& cells = std::get<Row>(row).cells();
        // Read back as an import into this very channel would: what the radio would then hold
        // must be what it holds now, or the row says something else than the radio does.
        ChannelRecord expected = record;
        SetTransmitText(band, expected, offset);
        auto back =
            CommonRowRecord(columns, {0, cells}, record.ChNo, {band, offset, &record, nullptr});
        if (auto* refused = std::get_if<TextPair>(&back)) {
            result.Left.push_back({record.ChNo, std::move(*refused)});
            continue;
        }
        if (std::get<ChannelRecord>(back) != expected) {
            result.Left.push_back(
                {record.ChNo,
                 {"the common format cannot carry this channel as the radio holds it",
                  "通用格式无法按对讲机所存保存该信道"}});
            continue;
        }
        result.Text += CsvLine(cells, ',', CsvCells::AsWritten);
    }
    return result;
}

}  // namespace kv
