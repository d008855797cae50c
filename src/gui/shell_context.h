// What the application hands to its windows: the one document, the process-wide values, the
// settings file, the version table, the installation's folders and the text conversion of the
// system locale.
#pragma once

#include "app/app_state.h"
#include "codec/image_codec.h"
#include "files/version_table.h"
#include "model/document.h"
#include "platform/program_folders.h"
#include "platform/settings_file.h"

namespace kv {

struct ShellContext {
    Document& Doc;
    AppState& State;
    SettingsFile& Settings;
    const VersionTable& Versions;
    ProgramFolders Folders;
    CodecOptions Codec;  // the system locale and its single-byte code page
};

}  // namespace kv
