// What one edit of the document touched. Every editor window reports its edits through the main
// window's one notification with one of these, so the other windows know what to refresh and
// later features (undo, a modified marker, autosave) have a single place to hook into.
#pragma once

namespace kv {

enum class EditSection {
    Channels,        // channel records of one band and group (or CB memory records)
    GroupSettings,   // group names, group valid flags, work group, current channels
    Settings,        // the radio settings of the settings window
    PublicChannels,  // the band public channel parameters and PUBLIC switches
    SpecialBlocks,   // emergency, dual-watch and memory-key blocks
    Weather,         // weather settings and channels
    Tones,           // roger-beep tones (and the references repaired after them)
    Dtmf,            // DTMF settings and codes (and the references repaired after them)
    Whole,           // anything; every window refreshes everything
};

struct DocumentEdit {
    EditSection Section = EditSection::Whole;
    int Band = -1;      // BandMode of the edit; -1 when not tied to one band
    int Group = -1;     // group number counted from 1; -1 when not tied to one group
    int FirstRow = -1;  // rows (channel numbers) touched; -1 when unknown or many
    int LastRow = -1;
    // With Whole: the document was replaced (New, Open, Read, Initial Setting), so what a window
    // keeps of the old one (a copy being edited, the band it shows) starts again from the new.
    bool Replaced = false;
};

}  // namespace kv
