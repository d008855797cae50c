// The version mark at the start of a data file.
#pragma once

#include <string_view>

namespace kv {

// True when TrimName of the text is four characters long, begins with a capital "V" and its last
// three characters read as a number ("V100"; also "V1.5"; not "v100" nor "V10A").
bool IsValidVersionMark(std::string_view text);

}  // namespace kv
