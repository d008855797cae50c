// Checking, snapping and converting channel frequency texts.
#include "editors/channels/freq_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "model/fixed_text.h"
#include "model/numeric_text.h"
#include "model/stored_frequency.h"

namespace kv {
namespace {

constexpr double kHzPerMhz = 1'000'000.0;
constexpr std::int64_t kGridHz = 10;

// Rounds half to even, as the conversion of a double to an integer does in the radio's rules.
std::int64_t RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    auto result = static_cast<std::int64_t>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
    return result;
}

// The shortest text that reads back as the value ("28", "26.965").
std::string PlainNumber(double value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

bool IsEmptyStoredFreq(std::string_view trimmed) {
    return trimmed.empty() || trimmed == "FFFFFFFF";
}

}  // namespace

TextPair FreqOutOfRangeText() {
    return {"Frequency is out of range.", "频率超出范围。"};
}

TextPair NotNumericFreqText() {
    return {"Not IsNumeric", "Not IsNumeric"};
}

std::string FormatFreq(double mhz) {
    char buffer[400];  // room for the largest double in fixed notation
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, mhz, std::chars_format::fixed, 5);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

double SnapFreq(const FreqLimits& limits, double mhz) {
    // Beyond 2^53 Hz a double has no 10 Hz resolution left to snap (and no integer to hold it).
    constexpr double kExactHz = 9007199254740992.0;
    if (!(std::fabs(mhz * kHzPerMhz) < kExactHz && std::fabs(limits.min * kHzPerMhz) < kExactHz))
        return mhz;
    const std::int64_t base = RoundHalfEven(limits.min * kHzPerMhz);
    std::int64_t hz = RoundHalfEven(mhz * kHzPerMhz);
    const std::int64_t remainder = (hz - base) % kGridHz;  // sign of the dividend
    hz -= remainder;
    return static_cast<double>(hz) / kHzPerMhz;
}

FreqTextResult CheckFreqEntry(const FreqLimits& limits, std::string_view typed) {
    const std::optional<double> value = ParseNumber(typed);
    if (!value || *value < limits.min || *value > limits.max) return {"", FreqOutOfRangeText()};
    const std::string display = FormatFreq(SnapFreq(limits, *value));
    if (ParseNumber(display).value_or(0.0) == 0.0) return {};
    return {display, std::nullopt};
}

FreqTextResult FreqStoreToText(const Document& doc, std::string_view stored) {
    const std::string digits = TrimName(stored);
    if (IsEmptyStoredFreq(digits)) return {};
    if (IsNumeric(digits)) {
        const std::size_t split = std::min<std::size_t>(2, digits.size());
        const std::string pointed = digits.substr(0, split) + "." + digits.substr(split);
        if (const std::optional<double> value = ParseNumber(pointed))
            return {FormatFreq(*value), std::nullopt};
    }
    return {PlainNumber(doc.FreqMin), NotNumericFreqText()};
}

std::optional<double> StoredFreqMhz(std::string_view stored) {
    const std::optional<std::int64_t> hz = StoredFrequencyHz(stored);
    if (!hz) return std::nullopt;
    return static_cast<double>(*hz) / kHzPerMhz;
}

std::string FreqTextToStore(const Document& doc, std::string_view text) {
    if (text.empty()) return {};
    std::string work = IsNumeric(text) ? std::string(text) : PlainNumber(doc.FreqMin);
    std::size_t point = work.find('.');
    if (point == std::string::npos) return work;
    for (; point < 2; ++point) work.insert(work.begin(), '0');
    return work.substr(0, 2) + work.substr(point + 1);
}

}  // namespace kv
