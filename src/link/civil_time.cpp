// Formatting and ageing local times.
#include "link/civil_time.h"

#include <cstdio>

namespace kv {

std::string StampText(const CivilTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d_%02d%02d%02d", t.Year, t.Month, t.Day, t.Hour,
                  t.Minute, t.Second);
    return text;
}

std::string ReadableTime(const CivilTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.Year, t.Month, t.Day,
                  t.Hour, t.Minute, t.Second);
    return text;
}

CivilTime OneYearBefore(const CivilTime& time) {
    CivilTime earlier = time;
    --earlier.Year;
    const bool leap = (earlier.Year % 4 == 0 && earlier.Year % 100 != 0) || earlier.Year % 400 == 0;
    if (earlier.Month == 2 && earlier.Day == 29 && !leap) earlier.Day = 28;
    return earlier;
}

}  // namespace kv
