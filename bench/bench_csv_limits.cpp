// Hostile CSV input through the command line's import, as whole processes: a file of a million
// own-format lines, one of a million common-format lines, a million blank lines under the size
// limit, /dev/zero, and for comparison the export of the new document, which is read whole. Prints
// each run's wall time, the child's peak resident memory and its exit status; the goal is a refusal
// in under a second and every run under 100 MB.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Run {
    double Seconds = 0;
    long PeakKb = 0;
    int Status = -1;
};

Run RunQuietly(const std::vector<std::string>& arguments) {
    // The child must not inherit and print again what is still buffered here.
    std::fflush(stdout);
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        std::vector<char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(child, &status, 0, &usage);
    Run run;
    run.Seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.PeakKb = usage.ru_maxrss;
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

void WriteLines(const fs::path& path, const std::string& head, const std::string& line,
                long count) {
    std::ofstream out(path, std::ios::binary);
    out << head;
    for (long n = 0; n < count; ++n) out << line;
}

}  // namespace

int main() {
    const std::string cli = KV_PROGRAM_DIR "/kv7700-cli";
    const fs::path folder =
        fs::temp_directory_path() / ("kv-bench-csv-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string doc = (folder / "a.dat").string();
    if (RunQuietly({cli, "new", doc}).Status != 0) {
        std::fprintf(stderr, "kv7700-cli new failed\n");
        return 1;
    }
    RunQuietly({cli, "export", doc, (folder / "own.csv").string()});
    WriteLines(folder / "million-own.csv", "Band,Group,Group Name,CH No.,RX MHz\r\n",
               "HF,1,AB,1,28.000000\r\n", 1000000);
    WriteLines(folder / "million-common.csv", "Location,Name,Frequency,Duplex,Offset\r\n",
               "1,Rpt,29.620000,-,0.100000\r\n", 1000000);
    WriteLines(folder / "million-blank.csv", "Band,Group,Group Name,CH No.\r\n", "\n", 1000000);

    const struct {
        const char* name;
        std::string file;
        std::vector<std::string> options;
    } cases[] = {
        {"the new document's export", (folder / "own.csv").string(), {}},
        {"1,000,000 own-format lines", (folder / "million-own.csv").string(), {}},
        {"1,000,000 common-format lines",
         (folder / "million-common.csv").string(),
         {"--band", "HF", "--group", "1"}},
        {"1,000,000 blank lines", (folder / "million-blank.csv").string(), {}},
        {"/dev/zero", "/dev/zero", {}},
    };
    std::printf("%-32s %10s %12s %6s\n", "input", "seconds", "peak MB", "exit");
    for (const auto& c : cases) {
        std::vector<std::string> arguments = {cli, "import", doc, c.file};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        arguments.push_back((folder / "out.dat").string());
        const Run run = RunQuietly(arguments);
        std::printf("%-32s %10.3f %12.1f %6d\n", c.name, run.Seconds, run.PeakKb / 1024.0,
                    run.Status);
    }
    fs::remove_all(folder);
    return 0;
}
