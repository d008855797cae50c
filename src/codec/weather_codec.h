// The weather receiver in the memory image: its settings, the in-use and scan bit maps and the
// 41 weather channel slots.
#pragma once

#include "model/config_record.h"
#include "model/memory_image.h"

namespace kv {

// Channels not in use get nothing.
void EncodeWeather(const ConfigRecord& config, MemoryImage& image);
// Channel 41 always exists; a channel whose digits do not read as a number is dropped.
// WxOption, which the radio does not keep, is never touched.
void DecodeWeather(const MemoryImage& image, ConfigRecord& config);

}  // namespace kv
