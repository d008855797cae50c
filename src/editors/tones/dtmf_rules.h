// The DTMF codes' rules: which codes are defined, what a code may hold, how a typed code is
// stored, and the repair of every reference to a code.
#pragma once

#include <string>
#include <string_view>

#include "model/radio_data.h"

namespace kv {

inline constexpr std::size_t kDtmfCodeLength = 16;

// n when code n (1..16) holds a text; 0 otherwise.
int IsCodeDefined(const RadioSettings& settings, int n);

// The character a key typed into a code box puts there: digits, "*", "#" and "A" to "D" as they
// are, "a" to "d" upper-cased; 0 for every other character (it is discarded).
char DtmfKeyCharacter(char typed);

// A code as it is committed: "a" to "d" upper-cased, every other character outside 0-9, A-D,
// "*" and "#" dropped, cut at 16 characters. Text pasted, dropped or put in by an input method
// never passed the key filter, so the commit checks again.
std::string CleanDtmfCode(std::string_view typed);

// The text of code n (1..16) as shown; empty for a code that does not exist.
std::string DtmfCodeText(const RadioSettings& settings, int n);

// Stores the cleaned text as code n: the text, one NUL when shorter than 16, blanks after it.
// A code whose text does not change is left as it is. True when the code changed.
bool StoreDtmfCode(RadioSettings& settings, int n, std::string_view typed);

// When code n is not defined, replaces every reference to it by 0: DtmfBot, DtmfEot and DtmfCall
// of every slot of every group of every band, of the 96 CB memory records and of the three band
// public parameter blocks. References to other codes are left as they are, even when they name
// nothing defined: a radio may hold them, and only the edit that empties a code repairs what that
// edit broke. Returns how many references changed.
int SetDTMFList(RadioData& data, int n);

// The edit of code n as the DTMF window commits it: stores the typed text (StoreDtmfCode) and,
// when that emptied the code, clears the references to it (SetDTMFList). True when the code
// changed.
bool SetDtmfCode(RadioData& data, int n, std::string_view typed);

}  // namespace kv
