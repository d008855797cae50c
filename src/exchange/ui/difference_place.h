// Where a line of the comparison or of Find shows, and opening the window there: the channel
// window at the band, group and row of a channel or CB memory, or the window that shows the rest.
#pragma once

#include "exchange/document_diff.h"

namespace kv {

class EditorHost;

// Opens the window that shows the line's place and brings the place into view; a place no
// window shows opens nothing.
void OpenDifferencePlace(EditorHost& host, const RadioData& data, const Difference& place);

}  // namespace kv
