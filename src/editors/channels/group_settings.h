// The group rules the channel window applies on the user's choices: the work group, switching a
// group valid or not (creating its first channel), and renaming a group.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editors/channels/channel_window_refresh.h"
#include "model/document.h"
#include "model/text_pair.h"

namespace kv {

struct GroupValidOutcome {
    bool Stored = false;          // false: switching off the band's only valid group is refused
    bool CreatedChannel = false;  // channel 1 was created in the group
};

// Stores choice (0 OFF, 1 ON) into GroupValid of the band's regular group. Switching OFF is
// refused when no other regular group of the band is valid. A group switched ON that holds no
// channel numbered 40 or below gets channel 1, in CB at its channel plan's first frequency, in
// HF and HAM at the first-channel frequency of its group number.
GroupValidOutcome SetGroupValid(Document& doc, int band, int group, int choice,
                                const ChannelWindowRefresh& refresh = {});

// Whether the radio may work in the group: the band's regular groups only (CB 1..7, HF 1..15,
// HAM 1..12), never a MEM or VFO group.
bool IsWorkGroupChoice(int band, int group);

// Makes the group the user picked the band's work group, when the radio may work in it. Returns
// whether WorkGroup changed.
bool SetWorkGroup(Document& doc, int band, int group);

// The band the user picked becomes the radio's band: BandMode, and the band range text and limits
// the frequency checks use. Returns whether BandMode changed (nothing is stored when it did not).
bool SetBandMode(Document& doc, int band);

// The work channel the user picked for the band's group. Returns whether it changed.
bool SetGroupWorkChannel(Document& doc, int band, int group, int channel);

// The frequency of channel 1 of each CB channel plan (groups 1..7), as the plan table holds it.
std::string CbPlanFirstChannelFreq(int group);

// A character typed into a half of the rename box: the digits, "+", "-", "*", "/" and the
// capitals pass, small letters become capitals, control codes pass unchanged, anything else is
// discarded (nullopt).
std::optional<char32_t> FilterGroupNameChar(char32_t typed);

// The stored two-character name of the two halves: a lone second half keeps a leading blank.
std::string ComposeGroupName(std::string_view first, std::string_view second);

// The message of a rename holding a character a group name cannot carry.
TextPair GroupNameRefusedText();

// Renames the band's regular group from the two halves, checking the characters typed again
// (paste and input methods pass no key filter). A half given as nullopt was not typed into: the
// stored character there stays as it is, whatever byte it is, and with neither half typed nothing
// is stored. An unchanged name is not rewritten, so stored bytes after a NUL survive. Returns the
// refusal message, or nothing; `changed` tells whether it stored.
std::optional<TextPair> RenameGroup(Document& doc, int band, int group,
                                    std::optional<std::string_view> first,
                                    std::optional<std::string_view> second, bool& changed);

}  // namespace kv
