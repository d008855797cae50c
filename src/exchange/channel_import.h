// Reading channels from a CSV file: the own format (each row names its band, group and CH No.) or
// the common open format of other programmers (Location, Frequency, Duplex, Offset, Tone, …, found
// by header name) into one HF or HAM group. Reading gives a preview; nothing changes until the
// preview is applied.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codec/code_page.h"
#include "exchange/repeater_offset_offer.h"
#include "model/radio_data.h"
#include "model/refused_line.h"
#include "model/text_pair.h"

namespace kv {

enum class ImportFormat { Own, Common };

// Where the common format's rows go: a group of HF or HAM.
struct ImportTarget {
    int Band = kBandHf;
    int Group = 1;
};

struct ImportedChannel {
    int Line = 0;
    int Band = 0;
    int Group = 0;
    int ChNo = 0;         // the channel number, or the CB memory record number
    bool Memory = false;  // a CB memory record
    bool Replaces = false;
    ChannelRecord Record;
};

struct GroupNameChange {
    int Band = 0;
    int Group = 0;
    std::string Name;  // bytes of the code page
    std::string Cut;   // the name as the file gives it (UTF-8) when the field cannot hold it whole
};

struct ImportPreview {
    ImportFormat Format = ImportFormat::Own;
    std::vector<ImportedChannel> Channels;
    std::vector<RefusedLine> Refused;
    std::vector<RefusedLine> Notes;          // lines taken with a change the file did not ask for
    std::vector<std::string> DroppedFields;  // columns with values the radio cannot carry
    std::vector<GroupNameChange> Names;
    // The common format's numbering: Location n is CH n + 1 (the file counts from 0, its
    // Location 0 line taken) or CH n.
    bool CountedFromZero = false;
    // The file's one shift when it differs from the TX.REP the preview was made under.
    std::optional<RepeaterOffsetOffer> OffsetOffer;
    // The TX.REP applying sets (the offer taken), with the channels outside the import set to Add
    // or SUBB whose transmit frequency it moves.
    std::optional<std::int32_t> RepeaterOffset;
    int ChannelsMoved = 0;
};

struct ImportResult {
    std::optional<ImportPreview> Preview;
    std::optional<TextPair> Error;  // the file as a whole cannot be read (with its line)
};

// Reads the file against the document as it is now. target is used for the common format and
// must name an HF or HAM group; the own format ignores it. repeaterOffset is the TX.REP (units of
// 100 Hz) to read the common format under instead of the document's: the preview's offer taken;
// applying the preview then sets it.
ImportResult PreviewImport(const RadioData& data, std::string_view csvText,
                           const ImportTarget& target, const CodePage& codePage,
                           std::optional<std::int32_t> repeaterOffset = std::nullopt);

// Adds and replaces the previewed channels and group names. The one way an import changes a
// document.
void ApplyImport(RadioData& data, const ImportPreview& preview);

// Whether the file is of the common format, so that a target group must be chosen first.
bool NeedsImportTarget(std::string_view csvText);

// Whether target names a group the common format may be imported into.
bool IsImportTarget(const ImportTarget& target);

// What the preview says of the radio's repeater shift (the file's one shift against TX.REP, or
// the TX.REP the import sets); nothing when it has nothing to say.
std::optional<TextPair> RepeaterOffsetNote(const ImportPreview& preview,
                                           std::int32_t documentOffset);

// "line N: reason" in the language.
std::string RefusedLineText(const RefusedLine& refused, int language);

}  // namespace kv
