// The general settings step of the image codec: group enable bits and names, the general
// settings, the band public parameters, the DTMF codes and the extended settings.
#pragma once

#include "codec/image_codec.h"
#include "model/config_record.h"
#include "model/memory_image.h"

namespace kv {

void EncodeSettings(const ConfigRecord& config, MemoryImage& image);
void DecodeSettings(const MemoryImage& image, ConfigRecord& config);

}  // namespace kv
