// kv7700-sim: a simulated radio on a pseudo-terminal (or a given serial device), for trying the
// programming software without a radio, for the end-to-end tests and for reproducing faults.
#include <sys/prctl.h>

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "app/guarded_main.h"
#include "platform/raw_image_file.h"
#include "sim_line.h"
#include "sim_options.h"

namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "kv7700-sim: %s\n", message.c_str());
    return 2;
}

int Run(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const kv::sim::ParsedOptions parsed = kv::sim::ParseOptions(app.arguments());
    if (parsed.help) {
        std::fputs(parsed.helpText.c_str(), stdout);
        return 0;
    }
    if (!parsed.error.empty()) return Fail(parsed.error + "\n\n" + parsed.helpText);
    const kv::sim::Options& options = parsed.options;

    kv::sim::SimRadio radio(options.identity, options.faults);
    const QString imageFile = QString::fromStdString(options.imageFile);
    if (!imageFile.isEmpty() && !(options.save && !QFile::exists(imageFile))) {
        const QString error = kv::LoadRawImage(imageFile, radio.image());
        if (!error.isEmpty()) return Fail(error.toStdString());
    }

    std::FILE* log = nullptr;
    if (options.logFile == "-") {
        log = stderr;
    } else if (!options.logFile.empty()) {
        log = std::fopen(options.logFile.c_str(), "w");
        if (!log) return Fail("cannot write the log " + options.logFile);
    }

    std::FILE* timing = nullptr;
    if (!options.timingFile.empty()) {
        timing = std::fopen(options.timingFile.c_str(), "w");
        if (!timing) return Fail("cannot write the timing file " + options.timingFile);
    }

    kv::sim::Line line;
    std::string error;
    if (!(options.devicePath.empty() ? line.OpenPseudoTerminal(error)
                                     : line.OpenDevice(options.devicePath, error)))
        return Fail(error);

    auto save = [&] {
        if (!options.save) return true;
        const QString saveError = kv::SaveRawImage(imageFile, radio.image());
        if (saveError.isEmpty()) return true;
        std::fprintf(stderr, "kv7700-sim: %s\n", qPrintable(saveError));
        return false;
    };

    // Wire-time emulation needs wake-ups to the microsecond, not the default 50 us slack.
    prctl(PR_SET_TIMERSLACK, 1UL);
    kv::sim::InstallStopSignals();
    std::printf("%s\n", line.peerPath().c_str());
    std::fflush(stdout);

    kv::sim::ServeOptions serve;
    serve.baud = options.baud;
    serve.delayMs = options.delayMs;
    serve.lingerMs = options.lingerMs;
    serve.log = log;
    serve.timing = timing;
    serve.onEnd = [&] { save(); };
    kv::sim::Serve(line, radio, serve);

    const bool saved = save();
    if (log && log != stderr) std::fclose(log);
    if (timing) std::fclose(timing);
    return saved ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    return kv::RunGuarded("kv7700-sim", [&] { return Run(argc, argv); });
}
