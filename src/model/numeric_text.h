// Reading numbers typed or stored as text, always with "." as the decimal separator whatever the
// user's locale: surrounding blanks are allowed, so are a sign, a fraction and an exponent.
#pragma once

#include <optional>
#include <string_view>

namespace kv {

std::optional<double> ParseNumber(std::string_view text);

inline bool IsNumeric(std::string_view text) { return ParseNumber(text).has_value(); }

}  // namespace kv
