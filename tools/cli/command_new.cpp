// new DATA.dat: the new document of start-up (built-in defaults and the start-up template) saved
// as a data file pair.
#include "cli_support.h"
#include "command.h"
#include "files/data_file.h"
#include "new_document.h"

namespace kv::cli {

int RunNew(Arguments arguments) {
    auto doc = NewDocument();
    const FileResult result = SaveDataFile(*doc, arguments[0]);
    return result.ok() ? kExitOk : Fail(arguments[0] + ": " + result.Message.en);
}

}  // namespace kv::cli
