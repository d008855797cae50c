// Running kv7700-cli (or another program) as a test's child process: exit status, standard
// output and standard error. Its traces and backups go to a per-run temporary data folder, never
// to the user's own.
#pragma once

#include <QString>
#include <QStringList>

namespace kv::test {

struct CliRun {
    int exitCode = -1;  // -1 when the program crashed or did not end within a minute
    QString out;
    QString err;
};

// XDG_DATA_HOME of every program run here unless a test gives its own.
QString CliDataHome();

CliRun RunProgram(const QString& program, const QStringList& arguments,
                  const QString& dataHome = CliDataHome());
CliRun RunCli(const QStringList& arguments, const QString& dataHome = CliDataHome());

}  // namespace kv::test
