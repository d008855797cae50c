// Where an installation keeps its files: everything derives from the folder of the executable
// (the program folder) and that folder's parent.
#pragma once

#include <QString>

namespace kv {

struct ProgramFolders {
    QString Program;  // holds the executable, Init/ and PIC/
    QString Parent;   // holds Version.ini and language/

    // The folders of the running executable.
    static ProgramFolders OfApplication();
    // The folders of an installation whose program folder is `programFolder`.
    static ProgramFolders ForProgramFolder(const QString& programFolder);

    QString settingsFile() const;                   // Parent/language/mysetup.ini
    QString versionFile() const;                    // Parent/Version.ini
    QString backgroundPicture(int language) const;  // Program/PIC/BK_<language>.jpg

    // True for an installation in the system's shared hierarchy (below /usr or /opt, links
    // resolved): a package manager owns it, so the program never writes there, whoever runs it.
    // Root may write anywhere, so being able to write tells nothing for root.
    bool isSystemInstallation() const;
};

}  // namespace kv
