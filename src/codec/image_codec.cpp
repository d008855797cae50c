// The two entry points of the image codec: every step, in the order the radio's data is laid out
// by the write and expected by the read.
#include "codec/image_codec.h"

#include <algorithm>

#include "codec/bcd_frequency.h"
#include "codec/block_codec.h"
#include "codec/channel_codec.h"
#include "codec/channel_layout.h"
#include "codec/settings_codec.h"
#include "codec/weather_codec.h"
#include "model/transmit_frequency.h"

namespace kv {

void EncodeImage(const RadioData& data, MemoryImage& image, const CodecOptions&) {
    for (int band = 0; band < kBandCount; ++band)
        for (int g = 1; g <= kGroupsPerBand[band]; ++g) {
            // A count beyond the group's slots (from a damaged file) must not index past them.
            const int count = std::min<int>(data.channelCount(band, g), SlotCapacity(band, g));
            for (int s = 1; s <= count; ++s)
                EncodeChannel(band, g, data.channel(band, s, g), image);
            // The VFO always exists when read: with no channel its slot is written empty, so that
            // it is dropped again on reading instead of coming back as a channel at 0 Hz.
            if (count <= 0 && IsVfoGroup(band, g))
                if (const auto slot = SlotAddress(band, g, 1))
                    PutChannelFrequency(image, *slot, FixedText<8>{});
        }
    for (int n = 1; n <= kCbMemCount; ++n) EncodeCbMemory(n, data, image);
    EncodeCbMemoryRefs(data, image);

    const ConfigRecord& config = data.Config;
    EncodeSettings(config, image);
    EncodeTones(config, image);
    EncodeEmgBlock(config, image);
    EncodeDwBlock(config, image);
    EncodeMemKeyBlock(config, image);
    EncodeWeather(config, image);
}

void DecodeImage(const MemoryImage& image, RadioData& data, const CodecOptions&) {
    // Counts, numbers and presence go first; the settings step touches none of them.
    ClearChannels(data);
    DecodeSettings(image, data.Config);

    for (int band = 0; band < kBandCount; ++band)
        for (int g = 1; g <= kGroupsPerBand[band]; ++g) {
            // Channels without presence bits (41..80 of CB group 3) are never read back.
            const int channels = IsVfoGroup(band, g) ? 1 : GroupMapsOf(band, g).channels;
            for (int c = 1; c <= channels; ++c) DecodeChannel(band, g, c, image, data);
        }
    for (int n = 1; n <= kCbMemCount; ++n) DecodeCbMemory(n, image, data);
    DecodeCbMemoryRefs(image, data);

    ConfigRecord& config = data.Config;
    DecodeTones(image, config);
    DecodeEmgBlock(image, config);
    DecodeDwBlock(image, config);
    DecodeMemKeyBlock(image, config);
    DecodeWeather(image, config);
    // The data file's transmit texts follow what the radio makes, not what a document held before.
    SetTransmitTexts(data);
}

}  // namespace kv
