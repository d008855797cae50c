// The staging copy of the document: every save and load passes through it, and afterwards it is
// the baseline against which the unsaved-changes test compares the working data.
#pragma once

#include <memory>
#include <string>

#include "model/band_range.h"
#include "model/document.h"

namespace kv {

// The staging copy a save of the document stores, built without changing the document: the
// current staging copy with the working data laid over it (the configuration record with its
// identity members and version mark set, the used slots and the CB memory records).
std::unique_ptr<RadioData> StagedCopy(const Document& doc);

// Makes `staged`, built by StagedCopy, the document's staging copy, and sets the same identity
// members and version mark in the working data. A save calls this only once its files are in place,
// so that a failed save leaves the document as changed as it was.
void AdoptStagedCopy(Document& doc, const RadioData& staged);

// Both of the above at once: the working data becomes the staging copy.
void StageDocument(Document& doc);

// Copies the staging copy into the working data and sets what follows from it: the firmware
// version, the expected model and the band range. The caller rebuilds the main window's title.
void ApplyStagedDocument(Document& doc);

// True when a save would store something the staging copy does not hold. The editor positions
// (CurrentGroup, GroupCurrentChannel) do not count; BandMode, which the radio receives, does; group
// names and DTMF codes are compared as shown, and channels pair by ChNo, so a channel moved to
// another slot is no change.
bool IsDocumentChanged(const Document& doc);

}  // namespace kv
