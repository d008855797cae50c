// Documents for the data file tests: one with every member of every record set at random, and a
// comparison that reports the first difference in the data a data file pair holds.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <type_traits>

#include "files/field_walk.h"
#include "files/record_layout.h"
#include "model/document.h"

namespace kv::test {

// Fills every field a layout table lists with random bytes (doubles with finite values, so
// records still compare with ==).
class RandomStream {
public:
    explicit RandomStream(std::mt19937& rng) : rng_(rng) {}

    std::size_t position() const { return 0; }
    void expectAt(std::size_t, const char*) {}
    template <typename T>
    void scalar(T& value) {
        if constexpr (layout::IsFixedText<T>::value) {
            for (char& c : value.chars) c = static_cast<char>(rng_());
        } else if constexpr (std::is_same_v<T, double>) {
            value = std::uniform_real_distribution<double>(-1e6, 1e6)(rng_);
        } else {
            value = static_cast<T>(rng_());
        }
    }

private:
    std::mt19937& rng_;
};

// Every field random, counts within capacity (some groups full, some empty).
inline std::unique_ptr<Document> RandomDocument(unsigned seed) {
    std::mt19937 rng(seed);
    auto doc = std::make_unique<Document>();
    RandomStream stream(rng);
    layout::Walk(stream, doc->Working.Config);
    for (auto& band : doc->Working.Store.Channels)
        for (auto& slot : band)
            for (auto& record : slot) layout::Walk(stream, record);
    for (auto& memory : doc->Working.Store.CbMemChannels) layout::Walk(stream, memory);
    doc->Working.Config.ChannelCount = {};
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= kGroupsPerBand[band]; ++group) {
            const int capacity = SlotCapacity(band, group);
            const int pick = static_cast<int>(rng() % 4);
            doc->Working.channelCount(band, group) =
                static_cast<i16>(pick == 0   ? 0
                                 : pick == 1 ? capacity
                                             : static_cast<int>(rng() % (capacity + 1)));
        }
    return doc;
}

// The data a pair holds: the record, the used slots and the CB memory records.
inline void ExpectSamePairData(const RadioData& expected, const RadioData& actual) {
    EXPECT_TRUE(expected.Config == actual.Config);
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= kGroupsPerBand[band]; ++group)
            for (int slot = 1; slot <= expected.channelCount(band, group); ++slot)
                ASSERT_TRUE(expected.channel(band, slot, group) ==
                            actual.channel(band, slot, group))
                    << "band " << band << " group " << group << " slot " << slot;
    for (int memory = 1; memory <= kCbMemCount; ++memory)
        ASSERT_TRUE(expected.Store.cbMem(memory) == actual.Store.cbMem(memory))
            << "memory " << memory;
}

// Everything, slots above the counts included.
inline bool SameData(const RadioData& a, const RadioData& b) {
    return a.Config == b.Config && a.Store.Channels == b.Store.Channels &&
           a.Store.CbMemChannels == b.Store.CbMemChannels;
}

// A fresh folder below the system's temporary folder, removed with its contents afterwards.
class TempFolder {
public:
    TempFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("kv-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
                 std::to_string(std::random_device{}()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace kv::test
