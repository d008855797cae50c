// Reading the version table from the version file shared by the installed program versions.
#pragma once

#include <QString>

#include "files/version_table.h"

namespace kv {

// "Version.ini" in the parent folder of the given program folder.
QString VersionFilePathFor(const QString& programFolder);

// "Version.ini" in the parent folder of this program's folder. Needs a QCoreApplication.
QString VersionFilePath();

// Reads [Version] CurrentVersion, SoftVersionCount and FirmVersionCount, the [Soft] keys
// Version0.. and the [Firm] keys Firm0.. . Each value is cut to 511 characters and at its first
// NUL, then loses surrounding blanks. A missing file, or a count that is missing, not a number
// or not positive, gives an empty list; a listed key that is missing is left out.
VersionTable LoadVersionTable(const QString& iniPath);

}  // namespace kv
