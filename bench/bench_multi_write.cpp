// Writing one document to several radios at once: the wall time of kv7700-cli writing one
// simulated radio, and four at the same time, the radios paced at 115200 baud, in the same run.
// Each round runs the write session alone (no backup read, no verify) and the whole job (backup
// read, write, verify read), each for one radio and for four, in turns. Prints every round, the
// medians and the ratios four / one, and the load average beside them.
#include <stdlib.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const QString kProgramDir = QStringLiteral(KV_PROGRAM_DIR);

// Starts a simulated radio paced at 115200 baud; its pseudo-terminal path, or "" when it did
// not start.
QString StartSim(QProcess& sim, const QString& image) {
    sim.start(kProgramDir + "/kv7700-sim",
              {"--image", image, "--save", "--baud", "115200", "--linger", "forever"});
    if (!sim.waitForStarted(5000)) return {};
    while (!sim.canReadLine())
        if (!sim.waitForReadyRead(5000)) return {};
    return QString::fromUtf8(sim.readLine()).trimmed();
}

// Seconds kv7700-cli takes to write `count` radios at once, the write session alone or the whole
// job; negative on failure.
double WriteRadios(int count, bool wholeJob, const QString& document, const QTemporaryDir& dir) {
    std::vector<std::unique_ptr<QProcess>> sims;
    QStringList arguments = {"write"};
    for (int i = 0; i < count; ++i) {
        sims.push_back(std::make_unique<QProcess>());
        const QString path = StartSim(*sims.back(), dir.filePath(QString("radio%1.img").arg(i)));
        if (path.isEmpty()) return -1;
        arguments << "--port" << path;
    }
    arguments << document;
    // One port takes a backup file, several a folder for one file each.
    if (wholeJob)
        arguments << "--verify"
                  << "--backup" << (count == 1 ? dir.filePath("backup.img") : dir.path());
    QProcess cli;
    QElapsedTimer timer;
    timer.start();
    cli.start(kProgramDir + "/kv7700-cli", arguments);
    const bool ended = cli.waitForFinished(600000);
    const double seconds = timer.elapsed() / 1000.0;
    for (auto& sim : sims) {
        sim->terminate();
        sim->waitForFinished(5000);
    }
    if (!ended || cli.exitCode() != 0) {
        std::fprintf(stderr, "%s", cli.readAllStandardError().constData());
        return -1;
    }
    return seconds;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QTemporaryDir dir;
    const QString document = dir.filePath("plan.dat");
    QProcess make;
    make.start(kProgramDir + "/kv7700-cli", {"new", document});
    if (!make.waitForFinished(30000) || make.exitCode() != 0) {
        std::fprintf(stderr, "kv7700-cli new failed\n");
        return 1;
    }
    double load[3] = {};
    if (getloadavg(load, 3) == 3)
        std::printf("load average before: %.2f %.2f %.2f\n", load[0], load[1], load[2]);
    std::vector<double> one, four, oneJob, fourJob;
    for (int round = 0; round < rounds; ++round) {
        one.push_back(WriteRadios(1, false, document, dir));
        four.push_back(WriteRadios(4, false, document, dir));
        oneJob.push_back(WriteRadios(1, true, document, dir));
        fourJob.push_back(WriteRadios(4, true, document, dir));
        std::printf(
            "round %d: write one radio %.2f s, four %.2f s (%.3f); whole job one %.2f s, four "
            "%.2f s (%.3f)\n",
            round + 1, one.back(), four.back(), four.back() / one.back(), oneJob.back(),
            fourJob.back(), fourJob.back() / oneJob.back());
        std::fflush(stdout);
        if (one.back() < 0 || four.back() < 0 || oneJob.back() < 0 || fourJob.back() < 0) return 1;
    }
    if (getloadavg(load, 3) == 3)
        std::printf("load average after: %.2f %.2f %.2f\n", load[0], load[1], load[2]);
    const double m1 = Median(one), m4 = Median(four);
    const double j1 = Median(oneJob), j4 = Median(fourJob);
    std::printf(
        "at 115200 baud, median of %d: write session one radio %.2f s, four at once %.2f s, "
        "ratio %.3f (goal <= 1.05); whole job (backup, write, verify) one %.2f s, four %.2f s, "
        "ratio %.3f\n",
        rounds, m1, m4, m4 / m1, j1, j4, j4 / j1);
    return 0;
}
