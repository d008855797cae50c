// The group options.
#include "group_option.h"

#include <charconv>
#include <string>

namespace kv::cli {

OptionTaken TakeGroupOption(Arguments arguments, std::size_t& n, ImportTarget& target) {
    const std::string& word = arguments[n];
    if (word != "--band" && word != "--group") return OptionTaken::No;
    if (n + 1 >= arguments.size()) return OptionTaken::Bad;
    const std::string& value = arguments[++n];
    if (word == "--band") {
        if (value != "HF" && value != "HAM") return OptionTaken::Bad;
        target.Band = value == "HF" ? kBandHf : kBandHam;
        return OptionTaken::Yes;
    }
    const auto [end, error] =
        std::from_chars(value.data(), value.data() + value.size(), target.Group);
    if (value.empty() || error != std::errc() || end != value.data() + value.size())
        return OptionTaken::Bad;
    return OptionTaken::Yes;
}

}  // namespace kv::cli
