// The session driver for the end-to-end tests.
#include "e2e/link/session_driver.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include "link/transfer_map.h"
#include "platform/serial_session.h"

namespace kv::test {
namespace {

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "kv_e2e_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

}  // namespace

SessionDriver::SessionDriver()
    : image_(std::make_unique<MemoryImage>()), versions_{"V100", {"V100"}, {{"V100", "V100"}}} {
    EnsureApplication();
}

SessionRun SessionDriver::Run(TransferKind kind, const QString& path) {
    SessionRun run;
    SerialSession session(*image_, facts_, versions_);
    QObject::connect(&session, &SerialSession::finished,
                     [&run](const SessionOutcome& outcome) { run.outcome = outcome; });
    QObject::connect(&session, &SerialSession::progress,
                     [&run](int percent) { run.progress.push_back(percent); });
    session.setVersionQuestion([&run](const std::string& firmware, const TextPair&) {
        run.versionQuestions.push_back(firmware);
        return false;
    });
    run.openFailure = session.OpenLink(kind, path);
    if (run.openFailure) return run;
    session.start();
    const QDeadlineTimer deadline(60000);
    while (!run.outcome && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    return run;
}

bool InTransferMap(std::uint32_t address) {
    return IsTransferBlock(address - address % kBlockLength);
}

}  // namespace kv::test
