// Find: a frequency, a frequency range or a text across the whole document — the channels of
// every band and group, the CB memories, the emergency, dual-watch and memory-key entries and the
// weather channels. Each hit is named as the windows name its place and carries where it shows,
// in the form the comparison's lines have, so that the same step opens the window at the place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/document_diff.h"
#include "model/document.h"
#include "model/text_pair.h"

namespace kv {

struct FindQuery {
    enum class Kind { Frequency, Range, Text };
    Kind What = Kind::Text;
    std::int64_t LowHz = 0;  // Frequency: both the same
    std::int64_t HighHz = 0;
    std::string Text;  // Text: what the shown value contains, letters in any case
};

// "28.5" is a frequency in MHz, "28.3-28.5" a range (either order), anything else a text;
// nothing for an empty or blank entry.
std::optional<FindQuery> ParseFindQuery(std::string_view entry);

// Every hit in the order the windows list their places: channels band by band and group by
// group in channel number order, the CB memories, then the emergency, dual-watch and memory-key
// entries whose channel matches, then the weather channels. A frequency matches a channel's
// receive or transmit frequency; a text any details field as the panel shows it (in either
// language), a group's name, a block entry's caption or shown value.
std::vector<Difference> FindInDocument(const Document& doc, const FindQuery& query);

// "3 places found." / "No place holds it."
TextPair FindSummary(std::size_t hits);

}  // namespace kv
