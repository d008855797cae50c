// The [ports] section of the settings file: persistence beside other sections, hand-added
// entries and port name resolution.
#include "platform/port_list.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace kv {
namespace {

class PortListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        settingsFile_ = dir_.filePath("mysetup.ini");
        QSettings settings(settingsFile_, QSettings::IniFormat);
        settings.setValue("language/comPort", 9);
        settings.setValue("language/Language", 2);
    }

    QString MakeFile(const QString& name) {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return file.fileName();
    }

    QTemporaryDir dir_;
    QString settingsFile_;
};

TEST_F(PortListTest, HandAddedEntryListedWhileItExists) {
    const QString pty = MakeFile("pty");
    WritePortMapping(settingsFile_, {{9, pty.toStdString()}, {5, "/nonexistent/tty"}});

    auto findNine = [](const std::vector<ListedPort>& list) {
        for (const ListedPort& p : list)
            if (p.number == 9) return p.path;
        return std::string();
    };
    EXPECT_EQ(findNine(ListSerialPorts(settingsFile_)), pty.toStdString());
    for (const ListedPort& p : ListSerialPorts(settingsFile_)) EXPECT_NE(p.number, 5);

    QFile::remove(pty);
    EXPECT_EQ(findNine(ListSerialPorts(settingsFile_)), "");
    EXPECT_EQ(ReadPortMapping(settingsFile_).at(9), pty.toStdString()) << "number stays reserved";

    QSettings settings(settingsFile_, QSettings::IniFormat);
    EXPECT_EQ(settings.value("language/comPort").toInt(), 9);
    EXPECT_EQ(settings.value("language/Language").toInt(), 2);
}

TEST_F(PortListTest, ReadIgnoresKeysThatAreNotPortNames) {
    QSettings settings(settingsFile_, QSettings::IniFormat);
    settings.setValue("ports/COM2", " /dev/ttyS1 ");
    settings.setValue("ports/Printer", "/dev/lp0");
    settings.setValue("ports/COM0", "/dev/ttyS9");
    settings.sync();
    EXPECT_EQ(ReadPortMapping(settingsFile_), (PortMapping{{2, "/dev/ttyS1"}}));
}

TEST_F(PortListTest, ResolvesNamesAndPaths) {
    const QString pty = MakeFile("pty");
    WritePortMapping(settingsFile_, {{42, pty.toStdString()}});

    EXPECT_EQ(ResolvePortName("COM42", settingsFile_).path, pty);
    EXPECT_EQ(ResolvePortName("com42", settingsFile_).path, pty);
    EXPECT_EQ(ResolvePortName("/dev/ttyACM7", settingsFile_).path, "/dev/ttyACM7");

    struct Case {
        const char* name;
        const char* error;
    };
    const Case failures[] = {
        {"COM998", "COM998 is not present."},
        {"ttyS0", "ttyS0 is neither COM<n> nor a device path."},
        {"", " is neither COM<n> nor a device path."},
    };
    for (const Case& c : failures) {
        const ResolvedPort r = ResolvePortName(c.name, settingsFile_);
        EXPECT_TRUE(r.path.isEmpty()) << c.name;
        EXPECT_EQ(r.error, c.error) << c.name;
    }
}

}  // namespace
}  // namespace kv
