// Writing one group's channels in the common open CSV format, as the other programmers' readers
// expect it: the header first, no byte order mark, MHz with six decimals, tones with one, DCS
// codes with three digits.
#pragma once

#include <string>
#include <vector>

#include "codec/code_page.h"
#include "model/radio_data.h"
#include "model/refused_line.h"

namespace kv {

struct CommonExport {
    std::string Text;
    // Channels the format cannot carry as the radio holds them (Line is the CH No.).
    std::vector<RefusedLine> Left;
};

// The group's channels in slot order. Location is the CH No.; Duplex and Offset say what the
// radio transmits on (REP and TX.REP); Comment names the band and group.
CommonExport ExportCommonFormat(const RadioData& data, int band, int group,
                                const CodePage& codePage);

// Whether a group can be written in the common format: the groups of HF and HAM, where it can
// be read back into.
bool IsCommonExportGroup(int band, int group);

}  // namespace kv
