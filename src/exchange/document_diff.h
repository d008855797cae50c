// The differences between two documents, each named as the windows name it: band, group, channel
// and field of the channel window, setting captions, roger-beep tones and DTMF codes.
#pragma once

#include <string>
#include <vector>

#include "codec/code_page.h"
#include "model/radio_data.h"

namespace kv {

// One English line per difference, "A value -> B value"; none when the documents are equal in
// what the windows show and in the settings record. When only settings no window shows differ,
// one line says so.
std::vector<std::string> DiffDocuments(const RadioData& a, const RadioData& b,
                                       const CodePage& codePage);

}  // namespace kv
