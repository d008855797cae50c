// Hand-over to another installed program version: the path rule and the start of that program.
#pragma once

#include <QString>
#include <optional>

#include "model/text_pair.h"
#include "files/version_table.h"

namespace kv {

// The program of software version `version` installed beside this one: the parent folder of
// the program folder, the version, "KV7700", and this program's own file name.
QString OtherVersionProgramPath(const QString& ownProgramPath, const QString& version);

// The installed program that fits `otherVersion`, when the table names a software version for
// it and that version's program is there to start; nothing otherwise. A caller that must
// decide before it commits to the hand-over (ending a radio session without its end request)
// asks this first.
std::optional<QString> OtherVersionProgram(const VersionTable& table,
                                           const std::string& otherVersion,
                                           const QString& ownProgramPath);

struct HandOverResult {
    bool started = false;
    TextPair message;  // why nothing was started; empty when started
};

// Starts, detached, the installed program version that fits `otherVersion` (a firmware or
// data-file version). On success the caller closes its serial port and leaves with exit code 0;
// otherwise it shows the message and keeps running. A version missing from the table and a
// program that is not installed or cannot be started give the same message: in both cases the
// version the user asked for does not exist here.
HandOverResult StartOtherVersion(const VersionTable& table, const std::string& otherVersion,
                                 const QString& ownProgramPath);

}  // namespace kv
