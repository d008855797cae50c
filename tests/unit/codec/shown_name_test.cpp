// Names as lists show them: characters of the code page as themselves, bytes it cannot show and
// control characters as "\xNN", each byte on its own so that different names look different.
#include "codec/shown_name.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(ShownName, UndisplayableBytesAndControlsAreSpelledOut) {
    const struct {
        std::string bytes;
        std::string shown;
    } cases[] = {
        {"AB", "AB"},
        {"\x8C"
         "A",
         "\xC5\x92"
         "A"},                       // Œ in Windows-1252
        {"\x81\x8D", "\\x81\\x8D"},  // undefined in Windows-1252
        {"\x8D\x81", "\\x8D\\x81"},  // the same bytes the other way round look different
        {"\tA", "\\x09A"},           // a tab never reaches a list
        {std::string("\0B", 2), "\\x00B"},
        {"\x7F\xE9", "\\x7F\xC3\xA9"},     // DEL, é
        {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},  // no-break space, ÿ
    };
    for (const auto& c : cases) EXPECT_EQ(ShownName(c.bytes, Windows1252()), c.shown) << c.shown;
}

}  // namespace
}  // namespace kv
