// Decoding a memory image as a radio could send it. The input is the image (shorter inputs are
// padded with zeros, longer ones cut); decoding, encoding and decoding again must be stable: the
// second decode gives the same data as the first, and encoding either gives the same image.
// What is allowed to settle is what shows nowhere: a CB memory or a weather channel that is not
// in use can keep the scan flag its bit map gave it (and a memory its number), while the encoder
// writes no such flag for a weather channel, and the decoder reads none for a memory without its
// presence bit.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "codec/image_codec.h"
#include "fuzz_support.h"

namespace {

using kv::fuzz::Check;

constexpr std::uint32_t kCbMemMapA = 0x16400;
constexpr std::uint32_t kCbMemMapB = 0x16430;

bool Bit(const kv::MemoryImage& image, std::uint32_t map, int n) {
    return (image.at(map + static_cast<std::uint32_t>(n / 8)) >> (n % 8)) & 1;
}

// The image without the scan bits of CB memories that are not in use.
std::unique_ptr<kv::MemoryImage> WithoutUnusedMemoryScanBits(const kv::MemoryImage& image) {
    auto masked = std::make_unique<kv::MemoryImage>(image);
    for (int n = 0; n < kv::kCbMemCount; ++n)
        if (!Bit(image, kCbMemMapA, n)) {
            const std::uint32_t address = kCbMemMapB + static_cast<std::uint32_t>(n / 8);
            masked->put(address, static_cast<std::uint8_t>(masked->at(address) & ~(1u << (n % 8))));
        }
    return masked;
}

bool SameMemory(kv::ChannelRecord a, kv::ChannelRecord b) {
    if (a.InUse == 0 && b.InUse == 0) {
        a.ChNo = b.ChNo;
        a.ScanAdd = b.ScanAdd;
    }
    return a == b;
}

bool SameSettings(const kv::ConfigRecord& a, const kv::ConfigRecord& b) {
    auto normalised = std::make_unique<kv::ConfigRecord>(b);
    auto& channels = normalised->Settings.WeatherChannels;
    for (std::size_t i = 0; i < channels.size(); ++i)
        if (channels[i].WxInUse != 1 && a.Settings.WeatherChannels[i].WxInUse != 1)
            channels[i] = a.Settings.WeatherChannels[i];
    return a == *normalised;
}

// The channels in use (a dropped channel leaves its record above the count, where nothing reads
// it) and every CB memory.
bool SameChannels(const kv::RadioData& a, const kv::RadioData& b) {
    for (int band = 0; band < kv::kBandCount; ++band)
        for (int group = 1; group <= kv::kGroupsPerBand[band]; ++group) {
            if (a.channelCount(band, group) != b.channelCount(band, group)) return false;
            for (int slot = 1; slot <= a.channelCount(band, group); ++slot)
                if (!(a.channel(band, slot, group) == b.channel(band, slot, group))) return false;
        }
    for (int n = 1; n <= kv::kCbMemCount; ++n)
        if (!SameMemory(a.Store.cbMem(n), b.Store.cbMem(n))) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    auto radio = std::make_unique<kv::MemoryImage>();
    std::copy_n(bytes, std::min(size, kv::MemoryImage::size()), radio->data());

    auto first = std::make_unique<kv::RadioData>();
    kv::DecodeImage(*radio, *first);
    auto encoded = std::make_unique<kv::MemoryImage>();
    kv::EncodeImage(*first, *encoded);

    auto second = std::make_unique<kv::RadioData>();
    kv::DecodeImage(*encoded, *second);
    auto reencoded = std::make_unique<kv::MemoryImage>();
    kv::EncodeImage(*second, *reencoded);

    Check(*WithoutUnusedMemoryScanBits(*encoded) == *WithoutUnusedMemoryScanBits(*reencoded),
          "decode, encode, decode, encode gives the same image");
    Check(SameSettings(first->Config, second->Config),
          "the settings decode the same the second time");
    Check(SameChannels(*first, *second), "the channels decode the same the second time");
    return 0;
}
