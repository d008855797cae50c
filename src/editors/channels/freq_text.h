// Frequency texts of the channel editor: checking and snapping a typed frequency, and converting
// between the display form ("#0.00000", MHz) and the stored form (digits without the point).
// Numbers are read and written with "." whatever the locale. Messages are returned, not shown.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/band_range.h"
#include "model/document.h"
#include "model/text_pair.h"

namespace kv {

// The warning for a typed frequency outside the band or not a number.
TextPair FreqOutOfRangeText();
// The message for a stored frequency that is not a number (the same text in both languages).
TextPair NotNumericFreqText();

// A text result and, when something went wrong, the message the caller shows (OK button).
struct FreqTextResult {
    std::string text;
    std::optional<TextPair> message;
};

// The value in MHz formatted as "#0.00000": at least one integer digit, exactly five decimals.
std::string FormatFreq(double mhz);

// The limits in force: those parsed from the document's range text.
inline FreqLimits LimitsInForce(const Document& doc) {
    return {doc.FreqMin, doc.FreqMax};
}

// f moved down onto the 10 Hz grid anchored at the lower limit.
double SnapFreq(const FreqLimits& limits, double mhz);
inline double SnapFreq(const Document& doc, double mhz) {
    return SnapFreq(LimitsInForce(doc), mhz);
}

// The display form of an accepted entry (limits inclusive, snapped), or "" with the out-of-range
// warning when the text is not a number or outside FreqMin..FreqMax.
FreqTextResult CheckFreqEntry(const FreqLimits& limits, std::string_view typed);
inline FreqTextResult CheckFreqEntry(const Document& doc, std::string_view typed) {
    return CheckFreqEntry(LimitsInForce(doc), typed);
}

// The value in MHz of a stored frequency text as the encoder sends it (stored_frequency.h);
// nothing for a text it sends as an empty slot.
std::optional<double> StoredFreqMhz(std::string_view stored);

// Stored form to display form. Empty or "FFFFFFFF" gives "". A stored text that is not a number
// gives FreqMin as a plain number with the "Not IsNumeric" message.
FreqTextResult FreqStoreToText(const Document& doc, std::string_view stored);

// Display form (or any typed number) to stored form: two integer digits followed by the fraction
// digits, without the point. Not a number: FreqMin as a plain number is converted instead. The
// caller cuts the result to the 8-character field.
std::string FreqTextToStore(const Document& doc, std::string_view text);

}  // namespace kv
