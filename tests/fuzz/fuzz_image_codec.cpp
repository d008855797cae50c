// Decoding a memory image as a radio could send it. The input is the image (shorter inputs are
// padded with zeros, longer ones cut); decoding, encoding and decoding again must be stable: the
// second decode gives the same data as the first, and encoding either gives the same image.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "codec/image_codec.h"
#include "fuzz_support.h"

namespace {

using kv::fuzz::Check;

bool SameStore(const kv::ChannelStore& a, const kv::ChannelStore& b) {
    return a.Channels == b.Channels && a.CbMemChannels == b.CbMemChannels;
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

    Check(*encoded == *reencoded, "decode, encode, decode, encode gives the same image");
    Check(first->Config == second->Config, "the settings decode the same the second time");
    Check(SameStore(first->Store, second->Store), "the channels decode the same the second time");
    return 0;
}
