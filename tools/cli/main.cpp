// kv7700-cli: converts and inspects the program's files, and reads and writes radios, from the
// command line. Exit status 0 on success, 1 on failure (the message on standard error), 2 on a
// usage error.
#include <QCoreApplication>
#include <memory>
#ifdef KV_CLI_PRINT
#include <QGuiApplication>
#endif
#include <array>
#include <iostream>
#include <string>
#include <vector>

#include "app/guarded_main.h"
#include "app/shell_texts.h"
#include "command.h"

namespace {

using kv::cli::Command;

constexpr std::array kCommands = {
    Command{"encode", "DATA.dat IMAGE.img", 2,
            "write the memory image of a data file pair (with the version checks of Open)",
            kv::cli::RunEncode},
    Command{"decode", "IMAGE.img DATA.dat", 2, "save a memory image as a data file pair",
            kv::cli::RunDecode},
    Command{"info", "FILE", 1, "summarise a data file pair (.dat) or a memory image",
            kv::cli::RunInfo},
    Command{"read", "--port PORT OUT", 3,
            "read the radio into OUT: a memory image (.img) or a data file pair", kv::cli::RunRead},
    Command{"write", "--port PORT [--port PORT ...] IN [--verify] [--strict] [--backup FILE|DIR]",
            3,
            "write IN (.img or data file pair) to the radio, or to several radios at the same "
            "time; --backup first keeps each radio's image (in FILE, or with several ports one "
            "file per port in the folder DIR), --verify reads each radio back and compares; what "
            "the check before writing finds is printed, and --strict refuses to write when it "
            "finds anything",
            kv::cli::RunWrite, kv::cli::kUnboundedArguments},
    Command{"new", "DATA.dat", 1, "save the new document of start-up as a data file pair",
            kv::cli::RunNew},
    Command{"export", "DATAFILE OUT.csv [--format own|common --band HF|HAM --group G]", 2,
            "write every channel of DATAFILE (.dat or .img) as CSV, or with --format common one "
            "HF or HAM group in the common open format (channels it cannot carry are named)",
            kv::cli::RunExport, 6},
    Command{"import",
            "DATAFILE IN.csv [--band HF|HAM --group G] OUT [--skip-bad] [--repeater-offset]", 3,
            "add the channels of a CSV file (own or common format) to DATAFILE and save OUT; "
            "nothing is written when a line is refused, unless --skip-bad; --repeater-offset "
            "sets TX.REP to the one shift the file's repeater lines ask for",
            kv::cli::RunImport, 6},
    Command{"diff", "A B", 2,
            "list every difference of two documents (.dat or .img); exit 0 equal, 1 different, "
            "2 error",
            kv::cli::RunDiff},
#ifdef KV_CLI_PRINT
    Command{"print", "IN OUT.pdf [--paper a4|letter] [--language en|zh]", 2,
            "the channel sheet of IN (.img or data file pair) as a PDF file, in the program's "
            "language unless given",
            kv::cli::RunPrint, 4},
#endif
};

void PrintUsage(std::ostream& out) {
    out << "Usage: kv7700-cli COMMAND ARGUMENTS...\n       kv7700-cli --help\n\nCommands:\n";
    for (const Command& command : kCommands) {
        const std::string call = std::string(command.name) + " " + command.arguments;
        out << "  " << call << std::string(call.size() < 28 ? 28 - call.size() : 1, ' ')
            << command.summary << '\n';
    }
    out << "\nPORT is COM<n> (numbered in the [ports] section of language/mysetup.ini) or a device"
           " path.\nExit status: 0 success, 1 failure, 2 usage error.\n";
}

// Printing lays text out with fonts, which needs the graphical application, without a screen.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) {
#ifdef KV_CLI_PRINT
    if (argc > 1 && std::string(argv[1]) == "print") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
#endif
    return std::make_unique<QCoreApplication>(argc, argv);
}

int UsageError(const std::string& message) {
    std::cerr << "kv7700-cli: " << message << "\n\n";
    PrintUsage(std::cerr);
    return kv::cli::kExitUsage;
}

int Run(int argc, char** argv) {
    // The version file is found from the program's own folder, which QCoreApplication knows; the
    // names are the program's, so the per-user settings file is the one the program uses and the
    // sessions leave their traces beside the program's.
    const std::unique_ptr<QCoreApplication> application = MakeApplication(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(kv::kAppTitle));
    QCoreApplication::setOrganizationName(QString::fromLatin1(kv::kAppTitle));
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) return UsageError("no command given");
    if (words[0] == "--help" || words[0] == "-h") {
        PrintUsage(std::cout);
        return kv::cli::kExitOk;
    }
    for (const Command& command : kCommands) {
        if (words[0] != command.name) continue;
        const int given = static_cast<int>(words.size()) - 1;
        if (given < command.argumentCount ||
            given > command.argumentCount + command.optionalArgumentCount)
            return UsageError(std::string(command.name) + " takes " + command.arguments);
        return command.run(kv::cli::Arguments(words).subspan(1));
    }
    return UsageError("unknown command \"" + words[0] + "\"");
}

}  // namespace

int main(int argc, char** argv) {
    return kv::RunGuarded("kv7700-cli", [&] { return Run(argc, argv); });
}
