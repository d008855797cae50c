// kv7700-cli new: the staged program writes the document it starts with, and decode lays an image
// over that same document.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "files/data_file.h"
#include "files/version_table.h"

namespace kv {
namespace {

int RunCli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(KV_PROGRAM_DIR "/kv7700-cli"), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

std::unique_ptr<Document> Open(const QString& path) {
    auto doc = std::make_unique<Document>();
    VersionTable table;
    table.Pairs = {{"V100", "V100"}};
    EXPECT_TRUE(OpenDataFile(*doc, path.toStdString(), table).ok()) << path.toStdString();
    return doc;
}

TEST(CliNew, WritesStartupDocumentThatDecodeBuildsOn) {
    QTemporaryDir folder;
    const QString fresh = folder.filePath(QStringLiteral("new.dat"));
    ASSERT_EQ(RunCli({QStringLiteral("new"), fresh}), 0);
    const auto doc = Open(fresh);
    const RadioSettings& s = doc->settings();
    EXPECT_EQ(s.GroupName(kBandCb, 7).trimmed(), "UK");  // from the start-up template
    EXPECT_EQ(s.GroupValid(kBandCb, 7), 1);
    EXPECT_EQ(doc->Working.channelCount(kBandCb, 7), 40);
    EXPECT_EQ(doc->Working.channelCount(kBandHam, 12), 1);
    EXPECT_EQ(doc->config().ReservedTable[2], 10);  // a built-in default

    // The reserved table is not in the image: a decoded pair keeps the new document's values.
    const QString image = folder.filePath(QStringLiteral("new.img"));
    const QString decoded = folder.filePath(QStringLiteral("decoded.dat"));
    ASSERT_EQ(RunCli({QStringLiteral("encode"), fresh, image}), 0);
    ASSERT_EQ(RunCli({QStringLiteral("decode"), image, decoded}), 0);
    EXPECT_EQ(Open(decoded)->config().ReservedTable, doc->config().ReservedTable);

    EXPECT_EQ(RunCli({QStringLiteral("new"), folder.filePath(QStringLiteral("no/such.dat"))}), 1);
}

}  // namespace
}  // namespace kv
