// Encoding and decoding the data file pair, with the counts checked before they index the store.
#include "files/data_file_pair.h"

#include <memory>

#include "files/data_file_layout.h"
#include "files/used_slots.h"

namespace kv {

std::string CompanionPath(const std::string& dataPath) {
    if (dataPath.size() < 3) return dataPath + ".fre";
    return dataPath.substr(0, dataPath.size() - 3) + "fre";
}

std::size_t CompanionRecordCount(const ConfigRecord& config) {
    std::size_t records = kCbMemCount;
    ForEachUsedSlot(config, [&](int, int, int) { ++records; });
    return records;
}

PairBytes EncodePair(const RadioData& data) {
    PairBytes pair;
    pair.Data.reserve(kConfigRecordSize);
    WriteConfigRecord(data.Config, pair.Data);
    pair.Companion.reserve(CompanionRecordCount(data.Config) * kChannelRecordSize);
    ForEachUsedSlot(data.Config, [&](int band, int group, int slot) {
        WriteChannelRecord(data.channel(band, slot, group), pair.Companion);
    });
    for (int memory = 1; memory <= kCbMemCount; ++memory)
        WriteChannelRecord(data.Store.cbMem(memory), pair.Companion);
    return pair;
}

PairProblem DecodePair(std::span<const std::uint8_t> data, std::span<const std::uint8_t> companion,
                       RadioData& into) {
    auto config = std::make_unique<ConfigRecord>();
    if (!ReadConfigRecord(data, *config) || !CountsFit(*config)) return PairProblem::DataDamaged;
    if (companion.size() < CompanionRecordCount(*config) * kChannelRecordSize)
        return PairProblem::CompanionShort;

    into.Config = *config;
    ByteReader reader(companion);
    ForEachUsedSlot(into.Config, [&](int band, int group, int slot) {
        ReadChannelRecord(reader, into.channel(band, slot, group));
    });
    for (int memory = 1; memory <= kCbMemCount; ++memory)
        ReadChannelRecord(reader, into.Store.cbMem(memory));
    // The size was checked above, so the reader cannot run short.
    return PairProblem::None;
}

}  // namespace kv
