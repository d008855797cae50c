// The staging copy of the document: every save and load passes through it, and afterwards it is
// the baseline against which the unsaved-changes test compares the working data.
#pragma once

#include <string>

#include "model/document.h"

namespace kv {

// The band range text a document's BandMode stands for when a file is opened.
std::string BandRangeTextFor(int bandMode);

// Sets the identity members and the version mark of the working data, then copies the working
// data into the staging copy: the configuration record, the used slots and the CB memory records.
void StageDocument(Document& doc);

// Copies the staging copy into the working data and sets what follows from it: the firmware
// version, the expected model and the band range. The caller rebuilds the main window's title.
void ApplyStagedDocument(Document& doc);

// True when a save would store something the staging copy does not hold. The editor positions
// (BandMode, CurrentGroup, GroupCurrentChannel) do not count, group names and DTMF codes are
// compared as shown, and channels pair by ChNo, so a channel moved to another slot is no change.
bool IsDocumentChanged(const Document& doc);

}  // namespace kv
