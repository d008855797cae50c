// Hand-over to another installed version: the path rule and the start itself.
#include "platform/handover.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

namespace kv {
namespace {

TEST(OtherVersionProgramPath, SiblingOfTheProgramFolder) {
    struct Case {
        const char* own;
        const char* version;
        const char* expected;
    };
    const Case cases[] = {
        {"/opt/cps/KV7700/kv7700", "V090", "/opt/cps/V090/KV7700/kv7700"},
        {"/opt/cps/KV7700/kv7700-cli", "V101", "/opt/cps/V101/KV7700/kv7700-cli"},
        {"/opt/cps/KV7700/../KV7700/kv7700", "V090", "/opt/cps/V090/KV7700/kv7700"},
        {"/KV7700/kv7700", "V090", "/V090/KV7700/kv7700"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OtherVersionProgramPath(c.own, c.version), c.expected) << c.own;
}

class StartOtherVersionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        table_.Pairs = {{"V100", "V100"}, {"V090", "V101"}, {"V080", "V102"}};
        ownProgram_ = root_.filePath("KV7700/kv7700");
    }

    // Installs a stand-in program for `version` that leaves a mark file when it runs.
    QString Install(const QString& version) {
        const QString folder = root_.filePath(version + "/KV7700");
        EXPECT_TRUE(QDir().mkpath(folder));
        QFile program(folder + "/kv7700");
        EXPECT_TRUE(program.open(QIODevice::WriteOnly));
        program.write("#!/bin/sh\ntouch \"$(dirname \"$0\")/started\"\n");
        program.close();
        program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return folder + "/started";
    }

    QTemporaryDir root_;
    VersionTable table_;
    QString ownProgram_;
};

TEST_F(StartOtherVersionTest, StartsTheFittingVersion) {
    const QString mark = Install("V090");
    const HandOverResult result = StartOtherVersion(table_, "V101", ownProgram_);
    EXPECT_TRUE(result.started);
    EXPECT_TRUE(result.message.empty());
    const QDeadlineTimer deadline(10000);
    while (!QFile::exists(mark) && !deadline.hasExpired()) QThread::msleep(10);
    EXPECT_TRUE(QFile::exists(mark));
}

TEST_F(StartOtherVersionTest, MissingVersionOrProgramIsReported) {
    Install("V090");
    for (const char* other : {"V103", "V102"}) {
        const HandOverResult result = StartOtherVersion(table_, other, ownProgram_);
        EXPECT_FALSE(result.started) << other;
        EXPECT_EQ(result.message.en, "Fail to start the software. This version does not exist.");
        EXPECT_EQ(result.message.zh, "未能启动，不存在此版本软件！");
    }
}

}  // namespace
}  // namespace kv
