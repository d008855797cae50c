// The --band HF|HAM and --group G options that name an HF or HAM group (import and export of the
// common format).
#pragma once

#include <optional>

#include "command.h"
#include "exchange/channel_import.h"

namespace kv::cli {

enum class OptionTaken { No, Yes, Bad };

// Reads the option at arguments[n] (and its value, moving n past it) into target.
OptionTaken TakeGroupOption(Arguments arguments, std::size_t& n, ImportTarget& target);

}  // namespace kv::cli
