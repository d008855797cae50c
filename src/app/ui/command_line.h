// The program's command line: its name, version and options, and the answers to --help and
// --version, which must work where no window system is (a terminal, a package build, a script).
#pragma once

#include <QCommandLineParser>

namespace kv {

// Gives the application its name, organisation and version; needs no application object.
void NameApplication();

// The options and arguments the program takes.
void DescribeCommandLine(QCommandLineParser& parser);

// When the command line asks for help or the version, prints the answer and ends the program
// with status 0, without creating anything that needs a display; otherwise returns.
void AnswerInformationRequests(int argc, char* argv[]);

}  // namespace kv
