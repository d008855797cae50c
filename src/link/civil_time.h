// A local date and time as the user's clock shows it, handed in by the caller so that the rules
// that name and age files need no clock of their own.
#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace kv {

struct CivilTime {
    int Year = 1970;
    int Month = 1;
    int Day = 1;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;

    auto operator<=>(const CivilTime&) const = default;
};

// "2026-12-10_142233".
std::string StampText(const CivilTime& time);

// "2026-12-10 14:22:33".
std::string ReadableTime(const CivilTime& time);

// The same moment one year earlier (29 February becomes 28 February).
CivilTime OneYearBefore(const CivilTime& time);

}  // namespace kv
