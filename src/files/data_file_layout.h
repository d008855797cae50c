// Reading and writing the two record kinds of the data file pair: the 2885-byte configuration
// record of the data file and the 70-byte channel record of the companion file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "model/byte_io.h"
#include "model/channel_record.h"
#include "model/config_record.h"

namespace kv {

inline constexpr std::size_t kConfigRecordSize = 2885;
inline constexpr std::size_t kChannelRecordSize = 70;

void WriteConfigRecord(const ConfigRecord& record, std::vector<std::uint8_t>& out);
// Reads the first kConfigRecordSize bytes; false (record unspecified) when there are fewer.
bool ReadConfigRecord(std::span<const std::uint8_t> bytes, ConfigRecord& record);

void WriteChannelRecord(const ChannelRecord& record, std::vector<std::uint8_t>& out);
// Reads the next record; a short input sets the reader's failure flag.
void ReadChannelRecord(ByteReader& reader, ChannelRecord& record);

}  // namespace kv
