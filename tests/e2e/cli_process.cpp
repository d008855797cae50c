// Child processes of the end-to-end tests.
#include "e2e/cli_process.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace kv::test {

QString CliDataHome() {
    static QTemporaryDir home;
    return home.path();
}

CliRun RunProgram(const QString& program, const QStringList& arguments, const QString& dataHome) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    CliRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

CliRun RunCli(const QStringList& arguments, const QString& dataHome) {
    return RunProgram(QStringLiteral(KV_PROGRAM_DIR "/kv7700-cli"), arguments, dataHome);
}

}  // namespace kv::test
