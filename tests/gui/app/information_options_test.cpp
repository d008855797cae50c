// kv7700 --help and --version as a terminal, a package build or a script runs them: the staged
// program with no display and no platform named, answering on standard output.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

namespace kv {
namespace {

TEST(InformationOptions, AnswerWithoutAWindowSystem) {
    struct Case {
        const char* option;
        const char* expected;  // a pattern the whole answer must match
    };
    const Case cases[] = {
        {"--version", R"(^KV-7700 \d+\.\d+\.\d+\n$)"},
        {"-v", R"(^KV-7700 \d+\.\d+\.\d+\n$)"},
        {"--help", R"(^Usage: \S*kv7700 \[options\] \[FILE\.dat\]\n(.|\n)*--version(.|\n)*)"},
        {"-h", R"(^Usage: \S*kv7700 \[options\] \[FILE\.dat\]\n(.|\n)*--help(.|\n)*)"},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KV_PROGRAM_DIR "/kv7700"), {QString::fromLatin1(c.option)});
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << err.toStdString();
        EXPECT_EQ(process.exitCode(), 0) << err.toStdString();
        EXPECT_TRUE(QRegularExpression(QString::fromLatin1(c.expected)).match(out).hasMatch())
            << out.toStdString();
        EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    }
}

}  // namespace
}  // namespace kv
