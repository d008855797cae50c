// A user-visible text in both languages; the current language picks one.
#pragma once

#include <string>

namespace kv {

inline constexpr int kLanguageEnglish = 1;
inline constexpr int kLanguageChinese = 2;

struct TextPair {
    std::string en;
    std::string zh;

    const std::string& in(int language) const { return language == kLanguageChinese ? zh : en; }
    bool empty() const { return en.empty() && zh.empty(); }
    bool operator==(const TextPair&) const = default;
};

}  // namespace kv
