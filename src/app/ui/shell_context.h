// What the application hands to its windows: the one document, the process-wide values, the
// settings file, the version table and the installation's folders.
#pragma once

#include "app/app_state.h"
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
};

}  // namespace kv
