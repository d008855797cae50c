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
#include <cstring>
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

// Clears the scan bits of CB memories that are not in use.
void RemoveUnusedMemoryScanBits(kv::MemoryImage& image) {
    for (int n = 0; n < kv::kCbMemCount; ++n)
        if (!Bit(image, kCbMemMapA, n)) {
            const std::uint32_t address = kCbMemMapB + static_cast<std::uint32_t>(n / 8);
            image.put(address, static_cast<std::uint8_t>(image.at(address) & ~(1u << (n % 8))));
        }
}

bool SameMemory(kv::ChannelRecord a, kv::ChannelRecord b) {
    if (a.InUse == 0 && b.InUse == 0) {
        a.ChNo = b.ChNo;
        a.ScanAdd = b.ScanAdd;
    }
    return a == b;
}

// Compares the settings, after giving the weather channels not in use on both sides the same
// contents in `b`.
bool SameSettings(const kv::ConfigRecord& a, kv::ConfigRecord& b) {
    auto& channels = b.Settings.WeatherChannels;
    for (std::size_t i = 0; i < channels.size(); ++i)
        if (channels[i].WxInUse != 1 && a.Settings.WeatherChannels[i].WxInUse != 1)
            channels[i] = a.Settings.WeatherChannels[i];
    return a == b;
}

// The buffers of a run, made once and reset every time: fresh large blocks for every run would
// cost more than the codec itself.
struct Buffers {
    std::unique_ptr<kv::RadioData> Fresh = std::make_unique<kv::RadioData>();
    std::unique_ptr<kv::RadioData> First = std::make_unique<kv::RadioData>();
    std::unique_ptr<kv::RadioData> Second = std::make_unique<kv::RadioData>();
    std::unique_ptr<kv::MemoryImage> Radio = std::make_unique<kv::MemoryImage>();
    std::unique_ptr<kv::MemoryImage> Encoded = std::make_unique<kv::MemoryImage>();
    std::unique_ptr<kv::MemoryImage> Reencoded = std::make_unique<kv::MemoryImage>();
};

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
    static Buffers buffers;
    kv::MemoryImage& radio = *buffers.Radio;
    radio.clear();
    std::copy_n(bytes, std::min(size, kv::MemoryImage::size()), radio.data());

    kv::RadioData& first = *buffers.First;
    first = *buffers.Fresh;
    kv::DecodeImage(radio, first);
    kv::MemoryImage& encoded = *buffers.Encoded;
    encoded.clear();
    kv::EncodeImage(first, encoded);

    kv::RadioData& second = *buffers.Second;
    second = *buffers.Fresh;
    kv::DecodeImage(encoded, second);
    kv::MemoryImage& reencoded = *buffers.Reencoded;
    reencoded.clear();
    kv::EncodeImage(second, reencoded);

    RemoveUnusedMemoryScanBits(encoded);
    RemoveUnusedMemoryScanBits(reencoded);
    Check(std::memcmp(encoded.data(), reencoded.data(), kv::MemoryImage::size()) == 0,
          "decode, encode, decode, encode gives the same image");
    Check(SameChannels(first, second), "the channels decode the same the second time");
    Check(SameSettings(first.Config, second.Config),
          "the settings decode the same the second time");
    return 0;
}
