// The channel half of the image codec: channels of every band and group, the 96 CB memory
// channels and their reference bytes.
#pragma once

#include "model/channel_record.h"
#include "model/memory_image.h"
#include "model/radio_data.h"

namespace kv {

// Writes the channel's slot and, for numbers that have them, its presence and scan bits. A channel
// whose number lies outside the group's slots is skipped.
void EncodeChannel(int band, int group, const ChannelRecord& record, MemoryImage& image);

// Appends channel `chNo` of the group to the store when its presence bit is set (the VFO channel
// always exists) and its frequency digits read as a number.
void DecodeChannel(int band, int group, int chNo, const MemoryImage& image, RadioData& data);

// Memory n (1..96): its slot and its presence and scan bits, whether it is in use or not.
void EncodeCbMemory(int n, const RadioData& data, MemoryImage& image);
void DecodeCbMemory(int n, const MemoryImage& image, RadioData& data);

// The referred channel numbers of all memories and the group selectors of the shared block.
void EncodeCbMemoryRefs(const RadioData& data, MemoryImage& image);
void DecodeCbMemoryRefs(const MemoryImage& image, RadioData& data);

}  // namespace kv
