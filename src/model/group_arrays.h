// Arrays over (band, group) and (band, group, k) in the element order of the data file:
// the band varies fastest, so element (band, group) is number 3 × (group − 1) + band and
// element (band, group, k) is number 51 × k + 3 × (group − 1) + band. Groups count from 1.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kv {

inline constexpr int kBandCount = 3;
inline constexpr int kBandCb = 0;
inline constexpr int kBandHf = 1;
inline constexpr int kBandHam = 2;
inline constexpr int kMaxGroup = 17;
// A band's name: "CB", "HF" or "HAM"; "" for a number that is no band.
inline constexpr const char* BandName(int band) {
    constexpr std::array<const char*, kBandCount> kNames = {"CB", "HF", "HAM"};
    return band >= 0 && band < kBandCount ? kNames[static_cast<std::size_t>(band)] : "";
}
inline constexpr std::size_t kPerGroupSize = kBandCount * kMaxGroup;  // 51

template <typename T>
struct PerGroup {
    std::array<T, kPerGroupSize> values{};

    static constexpr std::size_t index(int band, int group) {
        return static_cast<std::size_t>(3 * (group - 1) + band);
    }
    T& operator()(int band, int group) { return values[index(band, group)]; }
    const T& operator()(int band, int group) const { return values[index(band, group)]; }
    bool operator==(const PerGroup&) const = default;
};

template <typename T>
struct PerGroupPair {
    std::array<T, 2 * kPerGroupSize> values{};

    static constexpr std::size_t index(int band, int group, int k) {
        return static_cast<std::size_t>(51 * k + 3 * (group - 1) + band);
    }
    T& operator()(int band, int group, int k) { return values[index(band, group, k)]; }
    const T& operator()(int band, int group, int k) const { return values[index(band, group, k)]; }
    bool operator==(const PerGroupPair&) const = default;
};

template <typename T>
using PerBand = std::array<T, kBandCount>;

}  // namespace kv
