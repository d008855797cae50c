// One document: the working data the editors change, the staging copy of the last save or load,
// and the document-wide state that goes with them. The application owns one instance; tests make
// their own. It is large (two channel stores), so hold it on the heap.
#pragma once

#include <string>

#include "model/radio_data.h"
#include "model/radio_facts.h"

namespace kv {

inline constexpr const char* kUntitledName = "new.dat";

struct Document {
    RadioData Working;
    RadioData Staged;  // baseline of the last save or load; only the data-file code writes it

    // The band range in force: its text and the two limits in MHz parsed from it.
    std::string BandRangeText;
    double FreqMin = 0.0;
    double FreqMax = 0.0;

    std::string DocumentName = kUntitledName;
    bool DocumentUntitled = true;
    bool ChannelEditorOpen = false;

    RadioFacts Radio;

    ConfigRecord& config() { return Working.Config; }
    const ConfigRecord& config() const { return Working.Config; }
    RadioSettings& settings() { return Working.Config.Settings; }
    const RadioSettings& settings() const { return Working.Config.Settings; }
};

}  // namespace kv
