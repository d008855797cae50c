// The private settings file (INI): the language and port choices kept between runs. It lives in
// the installation's language folder; when that cannot be written (an installation owned by
// another user) a per-user file takes the writes and is read first, without telling the user.
// A system installation (below /usr or /opt) uses only the per-user file, for root as well.
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "app/startup_settings.h"
#include "platform/program_folders.h"

namespace kv {

class SettingsFile {
public:
    // `installedPath` is the installation's file, `userPath` the per-user fallback.
    SettingsFile(QString installedPath, QString userPath);

    // The installation's file, falling back to mysetup.ini in the per-user configuration folder;
    // only the per-user file for a system installation.
    static SettingsFile ForInstallation(const ProgramFolders& folders);

    // The value of `key` in `section`, surrounding blanks removed; nullopt when absent.
    std::optional<std::string> read(const QString& section, const QString& key) const;
    // False when the value could not be stored. A value the file holds already leaves it as it is.
    bool write(const QString& section, const QString& key, const std::string& value);

    // The keys of the start-up rule, from section "language".
    StoredSettings readStartupSettings() const;

    QString writePath() const { return writePath_; }

private:
    QString installedPath_;
    QString writePath_;
};

}  // namespace kv
