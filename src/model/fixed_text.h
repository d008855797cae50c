// Fixed-width single-byte texts (Text*n) as the document, the data files and the image hold them.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kv {

// Removes trailing blanks, then cuts the text before its first NUL character.
inline std::string TrimName(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    text = text.substr(0, end);
    const std::size_t nul = text.find('\0');
    return std::string(nul == std::string_view::npos ? text : text.substr(0, nul));
}

// A text of exactly N bytes in the system's ANSI code page. A new text holds N NUL bytes, as a
// freshly started document does; assign() cuts longer texts and pads shorter ones with blanks.
template <std::size_t N>
struct FixedText {
    static constexpr std::size_t kSize = N;
    std::array<char, N> chars{};

    FixedText() = default;
    explicit FixedText(std::string_view text) { assign(text); }

    // Cut to N bytes, pad on the right with blanks.
    void assign(std::string_view text) { assignPadded(text, ' '); }
    // Cut to N bytes, pad on the right with the given byte (NUL for image texts).
    void assignPadded(std::string_view text, char pad) {
        const std::size_t n = std::min(text.size(), N);
        std::copy_n(text.begin(), n, chars.begin());
        std::fill(chars.begin() + n, chars.end(), pad);
    }
    // All N bytes, NULs and blanks included.
    std::string raw() const { return std::string(chars.begin(), chars.end()); }
    // The text as shown and compared: TrimName of the raw bytes.
    std::string trimmed() const { return TrimName(std::string_view(chars.data(), N)); }

    bool operator==(const FixedText&) const = default;
};

}  // namespace kv
