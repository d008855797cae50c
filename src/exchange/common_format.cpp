// Mapping the common format: Frequency, Duplex and Offset to the two frequencies, Tone, the tone
// columns and CrossMode to the tone types, Mode to the memory mode.
#include "exchange/common_format.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "editors/channels/channel_edit.h"
#include "editors/channels/detail_rows.h"
#include "editors/channels/frequency_rule.h"
#include "editors/shared_lists.h"
#include "exchange/import_texts.h"
#include "model/band_range.h"
#include "model/stored_frequency.h"
#include "model/transmit_frequency.h"

namespace kv {
namespace {

// The columns the channel takes; every other column with a value is reported as dropped.
constexpr std::array<std::string_view, 14> kCarried = {
    "Location", "Frequency",    "Duplex", "Offset",    "Tone",       "rToneFreq", "cToneFreq",
    "DtcsCode", "DtcsPolarity", "Mode",   "CrossMode", "RxDtcsCode", "Skip",      "Power"};

// The grid the channel editor puts typed frequencies on; every band's lower edge lies on it.
constexpr long long kEntryGridHz = 10;

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The text between the entry's "(" and its unit: "C_009(88.5Hz)" gives "88.5".
std::optional<std::string> EntryValue(const std::vector<std::string>& entries, int index,
                                      std::string_view unit) {
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) return std::nullopt;
    const std::string& entry = entries[static_cast<std::size_t>(index)];
    const std::size_t open = entry.find('(');
    const std::size_t close = entry.rfind(unit);
    if (open == std::string::npos || close == std::string::npos || close <= open)
        return std::nullopt;
    return entry.substr(open + 1, close - open - 1);
}

// Hertz of a decimal MHz text with at most six decimals.
std::optional<long long> ParseHz(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    std::string fraction(point == std::string_view::npos ? "" : text.substr(point + 1));
    if (whole.empty() || whole.size() > 6 || fraction.size() > 6) return std::nullopt;
    fraction.resize(6, '0');
    long long hz = 0;
    for (char c : std::string(whole) + fraction) {
        if (c < '0' || c > '9') return std::nullopt;
        hz = hz * 10 + (c - '0');
    }
    return hz;
}

std::optional<std::string> HzToStored(long long hz) {
    const std::string text = StoredTextOfHz(hz);
    if (text.empty()) return std::nullopt;
    return text;
}

std::string MhzText(long long hz) {
    return HzAsMhzText(hz);
}

// The REP a line's transmit frequency asks for: the radio shifts only by its one TX.REP, so a
// shift of any other size cannot be carried.
std::variant<i16, TextPair> RepFor(long long rxHz, long long txHz, std::int64_t shiftHz) {
    if (txHz == rxHz) return static_cast<i16>(0);
    if (txHz - rxHz == shiftHz) return static_cast<i16>(kRepAdd);
    if (rxHz - txHz == shiftHz) return static_cast<i16>(kRepSubtract);
    return ShiftNotTxRepText(MhzText(txHz > rxHz ? txHz - rxHz : rxHz - txHz), MhzText(shiftHz));
}

std::optional<int> CtcssIndex(std::string_view tone) {
    double hz = 0;
    const auto [end, error] = std::from_chars(tone.data(), tone.data() + tone.size(), hz);
    if (error != std::errc() || end != tone.data() + tone.size()) return std::nullopt;
    const long tenths = std::lround(hz * 10);
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "(%ld.%ldHz)", tenths / 10, tenths % 10);
    const auto& entries = CtcssToneEntries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].ends_with(suffix)) return static_cast<int>(i);
    return std::nullopt;
}

std::optional<int> DcsIndex(std::string_view code) {
    int number = 0;
    const auto [end, error] = std::from_chars(code.data(), code.data() + code.size(), number);
    if (error != std::errc() || end != code.data() + code.size()) return std::nullopt;
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "(%03dN)", number);
    const auto& entries = DcsCodeEntries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].ends_with(suffix)) return static_cast<int>(i);
    return std::nullopt;
}

enum class ToneUse { None, Ctcss, Dcs };

struct ToneSides {
    ToneUse Tx = ToneUse::None;
    ToneUse Rx = ToneUse::None;
    std::string_view TxCtcssColumn = "rToneFreq";
    std::string_view RxCtcssColumn = "cToneFreq";
    std::string_view RxDcsColumn = "DtcsCode";
};

std::optional<ToneUse> CrossSide(std::string_view side) {
    if (side.empty()) return ToneUse::None;
    if (side == "Tone") return ToneUse::Ctcss;
    if (side == "DTCS") return ToneUse::Dcs;
    return std::nullopt;
}

std::optional<ToneSides> SidesOf(const CsvHeader& header, const CsvRow& row) {
    const std::string tone = Cell(header, row, "Tone");
    ToneSides sides;
    if (tone.empty()) return sides;
    if (tone == "Tone") {
        sides.Tx = ToneUse::Ctcss;
    } else if (tone == "TSQL") {
        sides.Tx = sides.Rx = ToneUse::Ctcss;
        sides.TxCtcssColumn = "cToneFreq";
    } else if (tone == "DTCS") {
        sides.Tx = sides.Rx = ToneUse::Dcs;
    } else if (tone == "Cross") {
        const std::string cross = Cell(header, row, "CrossMode");
        const std::size_t arrow = cross.find("->");
        if (arrow == std::string::npos) return std::nullopt;
        const auto tx = CrossSide(std::string_view(cross).substr(0, arrow));
        const auto rx = CrossSide(std::string_view(cross).substr(arrow + 2));
        if (!tx || !rx) return std::nullopt;
        sides.Tx = *tx;
        sides.Rx = *rx;
        if (header.contains("RxDtcsCode")) sides.RxDcsColumn = "RxDtcsCode";
    } else {
        return std::nullopt;
    }
    return sides;
}

// Sets one direction's tone; the reason when the tone or code is not in the lists.
std::optional<TextPair> SetTone(const CsvHeader& header, const CsvRow& row, ToneUse use,
                                std::string_view ctcssColumn, std::string_view dcsColumn, i16& type,
                                i16& ctcss, i16& dcs) {
    type = static_cast<i16>(use == ToneUse::Ctcss ? 1 : use == ToneUse::Dcs ? 2 : 0);
    if (use == ToneUse::Ctcss) {
        const std::string tone = Cell(header, row, ctcssColumn);
        const auto index = CtcssIndex(tone);
        if (!index) return CtcssRefusedText(tone);
        ctcss = static_cast<i16>(*index);
    } else if (use == ToneUse::Dcs) {
        const std::string code = Cell(header, row, dcsColumn);
        const auto index = DcsIndex(code);
        if (!index) return DcsRefusedText(code);
        dcs = static_cast<i16>(*index);
    }
    return std::nullopt;
}

}  // namespace

std::optional<i16> CommonModeValue(std::string_view mode) {
    // The other programs' narrow FM is this radio's FM; a line without a mode is FM.
    if (mode.empty() || mode == "NFM") return 0;
    for (i16 value = 0; value < static_cast<i16>(ModeList().size()); ++value)
        if (CommonModeName(value) == mode) return value;
    return std::nullopt;
}

std::optional<std::string> CommonModeName(i16 value) {
    // PA (public address) is no memory mode of the other programs.
    if (value < 0 || static_cast<std::size_t>(value) >= ModeList().size()) return std::nullopt;
    const std::string& name = ModeList()[static_cast<std::size_t>(value)].en;
    if (name == "PA") return std::nullopt;
    return name;
}

std::optional<i16> CommonPowerValue(std::string_view power) {
    for (i16 value = 0; value < static_cast<i16>(PowerList().size()); ++value)
        if (Lower(PowerList()[static_cast<std::size_t>(value)].en) == Lower(std::string(power)))
            return value;
    return std::nullopt;
}

std::optional<std::string> CommonPowerName(i16 value) {
    if (value < 0 || static_cast<std::size_t>(value) >= PowerList().size()) return std::nullopt;
    return PowerList()[static_cast<std::size_t>(value)].en;
}

std::optional<std::string> CommonToneText(int ctcssIndex) {
    return EntryValue(CtcssToneEntries(), ctcssIndex, "Hz)");
}

std::optional<std::string> CommonCodeText(int dcsIndex) {
    return EntryValue(DcsCodeEntries(), dcsIndex, "N)");
}

CsvHeader HeaderOf(const CsvRow& row) {
    CsvHeader header;
    for (std::size_t n = 0; n < row.Cells.size(); ++n) header.emplace(row.Cells[n], n);
    return header;
}

std::string Cell(const CsvHeader& header, const CsvRow& row, std::string_view column) {
    const auto at = header.find(column);
    if (at == header.end() || at->second >= row.Cells.size()) return {};
    return row.Cells[at->second];
}

bool IsCommonHeader(const CsvHeader& header) {
    return header.contains("Location") && header.contains("Frequency");
}

std::vector<std::string> DroppedCommonColumns(const CsvHeader& header,
                                              const std::vector<CsvRow>& rows) {
    std::vector<std::pair<std::size_t, std::string>> dropped;
    for (const auto& [name, position] : header) {
        if (std::find(kCarried.begin(), kCarried.end(), name) != kCarried.end()) continue;
        const bool used =
            std::any_of(rows.begin(), rows.end(), [column = position](const CsvRow& row) {
                return column < row.Cells.size() && !row.Cells[column].empty();
            });
        if (used) dropped.emplace_back(position, name);
    }
    std::sort(dropped.begin(), dropped.end());
    std::vector<std::string> names;
    for (auto& [position, name] : dropped) names.push_back(std::move(name));
    // What is carried only in part is named too.
    const auto any = [&](auto&& test) { return std::any_of(rows.begin(), rows.end(), test); };
    if (any([&](const CsvRow& row) { return Cell(header, row, "Skip") == "P"; }))
        names.push_back("Skip P (no priority scan on this radio: scanned)");
    if (any([&](const CsvRow& row) {
            const std::string power = Cell(header, row, "Power");
            return !power.empty() && !CommonPowerValue(power);
        }))
        names.push_back("Power in watts (the radio's levels are Low, Mid and High)");
    return names;
}

namespace {

struct LineFrequencies {
    long long RxHz = 0;
    long long TxHz = 0;
};

// The receive frequency (moved down onto the editor's 10 Hz grid, as a typed frequency is, and
// the move named) and the transmit frequency Duplex and Offset ask for.
std::variant<LineFrequencies, TextPair> ReadFrequencies(const CsvHeader& header, const CsvRow& row,
                                                        std::optional<TextPair>* moved) {
    const std::string frequency = Cell(header, row, "Frequency");
    auto rxHz = ParseHz(frequency);
    if (!rxHz) return NotFrequencyText("Frequency", frequency);
    if (*rxHz % kEntryGridHz != 0) {
        const long long snapped = *rxHz - *rxHz % kEntryGridHz;
        if (moved != nullptr) *moved = FrequencyMovedText(frequency, MhzText(snapped));
        rxHz = snapped;
    }
    const std::string duplex = Cell(header, row, "Duplex");
    if (duplex == "off") return DuplexOffText();
    long long txHz = *rxHz;
    if (!duplex.empty()) {
        const std::string offsetText = Cell(header, row, "Offset");
        const auto offset = ParseHz(offsetText);
        if (!offset) return NotFrequencyText("Offset", offsetText);
        if (duplex == "+")
            txHz = *rxHz + *offset;
        else if (duplex == "-")
            txHz = *rxHz - *offset;
        else if (duplex == "split")
            txHz = *offset;
        else
            return DuplexUnknownText(duplex);
    }
    return LineFrequencies{*rxHz, txHz};
}

}  // namespace

std::optional<long long> CommonRowShiftHz(const CsvHeader& header, const CsvRow& row) {
    const auto read = ReadFrequencies(header, row, nullptr);
    const auto* frequencies = std::get_if<LineFrequencies>(&read);
    if (frequencies == nullptr) return std::nullopt;
    return std::llabs(frequencies->TxHz - frequencies->RxHz);
}

std::variant<ChannelRecord, TextPair> CommonRowRecord(const CsvHeader& header, const CsvRow& row,
                                                      int chNo, const CommonRowPlace& place) {
    auto read = ReadFrequencies(header, row, place.Moved);
    if (auto* refused = std::get_if<TextPair>(&read)) return std::move(*refused);
    const auto [rxHz, txHz] = std::get<LineFrequencies>(read);
    const auto rxStored = HzToStored(rxHz);
    if (!rxStored) return FrequencyRefusedText(Cell(header, row, "Frequency"));

    // A channel the group holds keeps what the line does not carry (its power, when the line
    // has none the radio knows); a new one starts as a channel typed in the grid.
    ChannelRecord record;
    if (place.Replaced != nullptr) {
        record = *place.Replaced;
        record.ChNo = static_cast<i16>(chNo);
        // The radio reads the low bit; a value it reads as in use stays as the file holds it.
        if ((record.InUse & 1) == 0) record.InUse = 1;
        if (!SameStoredFrequency(record.RxFreqText.raw(), *rxStored))
            record.RxFreqText.assign(*rxStored);
    } else {
        InitNewChannel(record, chNo, *rxStored);
    }

    const std::string skip = Cell(header, row, "Skip");
    if (skip != "" && skip != "S" && skip != "P") return SkipRefusedText(skip);
    record.ScanAdd = skip == "S" ? 0 : 1;
    if (const auto power = CommonPowerValue(Cell(header, row, "Power"))) record.TxPower = *power;

    if (txHz != rxHz && place.Band == kBandCb) return CbShiftText();
    auto rep = RepFor(rxHz, txHz, RepeaterShiftHz(place.RepeaterOffset));
    if (auto* refused = std::get_if<TextPair>(&rep)) return std::move(*refused);
    record.RepShift = std::get<i16>(rep);
    const FreqLimits limits = BandLimits(place.Band);
    // An unshifted channel's frequency is the receive frequency rule's to judge.
    if (txHz != rxHz &&
        (txHz < std::llround(limits.min * 1e6) || txHz > std::llround(limits.max * 1e6)))
        return TransmitOutsideBandText(MhzText(txHz));
    SetTransmitText(place.Band, record, place.RepeaterOffset);

    const std::string tone = Cell(header, row, "Tone");
    // A reverse squelch mutes on the tone; this radio's receive tone opens on it.
    if (tone == "TSQL-R" || tone == "DTCS-R") return ReverseSquelchText(tone);
    const auto sides = SidesOf(header, row);
    if (!sides)
        return ToneModeRefusedText(
            tone == "Cross" ? "Cross, CrossMode \"" + Cell(header, row, "CrossMode") + "\"" : tone);
    if (sides->Tx == ToneUse::Dcs || sides->Rx == ToneUse::Dcs) {
        const std::string polarity = Cell(header, row, "DtcsPolarity");
        if (!polarity.empty() && polarity != "NN") return PolarityRefusedText(polarity);
    }
    if (auto refused = SetTone(header, row, sides->Tx, sides->TxCtcssColumn, "DtcsCode",
                               record.TxToneType, record.TxCtcss, record.TxDcs))
        return *refused;
    if (auto refused = SetTone(header, row, sides->Rx, sides->RxCtcssColumn, sides->RxDcsColumn,
                               record.RxToneType, record.RxCtcss, record.RxDcs))
        return *refused;

    const std::string mode = Cell(header, row, "Mode");
    const auto memMode = CommonModeValue(mode);
    if (!memMode) return ModeRefusedText(mode);
    record.MemMode = *memMode;
    return record;
}

}  // namespace kv
