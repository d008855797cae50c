// The roger-beep tones and the emergency, dual-watch and memory-key blocks in the memory image.
#pragma once

#include "model/config_record.h"
#include "model/memory_image.h"

namespace kv {

void EncodeTones(const ConfigRecord& config, MemoryImage& image);
void EncodeEmgBlock(const ConfigRecord& config, MemoryImage& image);
void EncodeDwBlock(const ConfigRecord& config, MemoryImage& image);
void EncodeMemKeyBlock(const ConfigRecord& config, MemoryImage& image);

void DecodeTones(const MemoryImage& image, ConfigRecord& config);
void DecodeEmgBlock(const MemoryImage& image, ConfigRecord& config);
// Two dual-watch values read as 0 when their byte is beyond what the radio accepts.
void DecodeDwBlock(const MemoryImage& image, ConfigRecord& config);
void DecodeMemKeyBlock(const MemoryImage& image, ConfigRecord& config);

}  // namespace kv
