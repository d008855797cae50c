// decode IMAGE.img DATA.dat: a memory image saved as a data file pair.
#include "cli_support.h"
#include "codec/image_codec.h"
#include "command.h"
#include "files/data_file.h"
#include "new_document.h"
#include "output_guard.h"

namespace kv::cli {

int RunDecode(Arguments arguments) {
    if (const auto refused = OutputOverwritesInput({{arguments[1], true}}, {{arguments[0]}}))
        return *refused;
    const auto image = ReadImage(arguments[0]);
    if (!image) return kExitFailure;
    auto doc = NewDocument();
    DecodeImage(*image, doc->Working, SystemCodec());
    const FileResult result = SaveDataFile(*doc, arguments[1]);
    return result.ok() ? kExitOk : Fail(arguments[1] + ": " + result.Message.en);
}

}  // namespace kv::cli
