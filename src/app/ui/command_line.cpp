// The command line, described once for the answers that need no window and for the program.
#include "app/ui/command_line.h"

#include <QCoreApplication>
#include <string_view>

#include "app/shell_texts.h"

namespace kv {

void NameApplication() {
    QCoreApplication::setApplicationName(QString::fromLatin1(kAppTitle));
    QCoreApplication::setOrganizationName(QString::fromLatin1(kAppTitle));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
}

void DescribeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Programming software for the KV-7700 radio."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A data file (.dat) to open at start."),
                                 QStringLiteral("[FILE.dat]"));
}

void AnswerInformationRequests(int argc, char* argv[]) {
    // The names QCommandLineParser gives its help and version options.
    constexpr std::string_view kAsking[] = {"-h", "--help", "-?", "--help-all", "-v", "--version"};
    bool asked = false;
    for (int i = 1; i < argc; ++i)
        for (std::string_view name : kAsking) asked = asked || name == argv[i];
    if (!asked) return;
    // A core application parses and prints like the window application, without a display.
    QCoreApplication core(argc, argv);
    NameApplication();
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    parser.process(core);
}

}  // namespace kv
