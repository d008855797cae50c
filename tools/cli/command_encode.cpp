// encode DATA.dat IMAGE.img: the memory image a data file pair programs into the radio.
#include "cli_support.h"
#include "codec/image_codec.h"
#include "command.h"
#include "output_guard.h"

namespace kv::cli {

int RunEncode(Arguments arguments) {
    if (const auto refused = OutputOverwritesInput({{arguments[1]}}, {{arguments[0], true}}))
        return *refused;
    const auto doc = OpenPair(arguments[0]);
    if (!doc) return kExitFailure;
    auto image = std::make_unique<MemoryImage>();
    EncodeImage(doc->Working, *image, SystemCodec());
    return WriteImage(*image, arguments[1]) ? kExitOk : kExitFailure;
}

}  // namespace kv::cli
