// The session driver for the end-to-end tests.
#include "e2e/link/session_driver.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "e2e/link/expected_frames.h"
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
    QEventLoop loop;
    QObject::connect(&session, &SerialSession::finished, [&](const SessionOutcome& outcome) {
        run.outcome = outcome;
        loop.quit();
    });
    QObject::connect(&session, &SerialSession::progress,
                     [&run](int percent) { run.progress.push_back(percent); });
    session.setVersionQuestion([&run](const std::string& firmware, const TextPair&) {
        run.versionQuestions.push_back(firmware);
        return false;
    });
    run.openFailure = session.OpenLink(kind, path);
    if (run.openFailure) return run;
    session.start();
    // The loop sleeps between events; the safety net ends a session that never ends.
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    if (!run.outcome) loop.exec();
    return run;
}

std::unique_ptr<MemoryImage> MaskedToTransferMap(const MemoryImage& radio) {
    auto masked = std::make_unique<MemoryImage>();
    for (std::uint32_t a = 0; a < MemoryImage::size(); ++a)
        if (InMap(a)) masked->put(a, radio.at(a));
    return masked;
}

}  // namespace kv::test
