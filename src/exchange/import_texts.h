// The reasons an import refuses a line or a file, in both languages.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/text_pair.h"

namespace kv {

// How much of a refused value a reason quotes: a cell may be megabytes long.
inline constexpr std::size_t kLongestQuotedValue = 60;

// The value as a reason quotes it: its first 60 characters, and "…" when it is longer.
std::string ShortenedValue(std::string_view value);

// Replaces each "{}" of the pair in turn by the arguments.
TextPair FillText(TextPair text, std::initializer_list<std::string_view> arguments);

// A group name longer than its field, as the preview names it.
TextPair GroupNameCutText(std::string_view given, std::size_t kept);
TextPair UnreadableCsvText(int line, const TextPair& what);
TextPair UnknownHeaderText();
TextPair NoImportTargetText();
TextPair UnknownBandText(std::string_view band);
TextPair UnknownGroupText(std::string_view group);
TextPair BadChNoText(std::string_view chNo);
TextPair BadLocationText(std::string_view location);
TextPair NotFrequencyText(std::string_view column, std::string_view text);
TextPair NotInListText(std::string_view column, std::string_view text);
TextPair TooManyChannelsText(int capacity);
TextPair NamedAgainText(int firstLine);
TextPair DuplexOffText();
TextPair DuplexUnknownText(std::string_view duplex);
TextPair ModeRefusedText(std::string_view mode);
TextPair ToneModeRefusedText(std::string_view tone);
TextPair CtcssRefusedText(std::string_view tone);
TextPair DcsRefusedText(std::string_view code);
TextPair PolarityRefusedText(std::string_view polarity);
TextPair ShiftNotTxRepText(std::string_view shift, std::string_view txRep);
TextPair CbShiftText();
TextPair FrequencyMovedText(std::string_view written, std::string_view stored);
TextPair ReverseSquelchText(std::string_view tone);
TextPair SkipRefusedText(std::string_view skip);
TextPair TransmitOutsideBandText(std::string_view mhz);
// Which numbering the common format's Locations were read with.
TextPair NumberingText(bool countedFromZero);

}  // namespace kv
