// The communication port window: its entries, the choice kept across re-scans, a port that
// vanishes, devices added by hand, OK and Cancel, and its texts in both languages. The ports are
// pseudo-terminals mapped in the settings file, listed while they exist.
#include "link/ui/port_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <set>

#include "app/shell_texts.h"
#include "app/startup_settings.h"
#include "app/ui/main_window.h"
#include "gui/link/link_fixture.h"
#include "link/link_window_texts.h"
#include "platform/port_list.h"
#include "platform/pty_radio.h"

namespace kv::linktest {
namespace {

using test::PtyPair;

class PortWindowTest : public LinkFixture {
protected:
    // Maps COM51 and COM53 to two pseudo-terminals through links of the test's own, so unplugging
    // them is deterministic: a closed pseudo-terminal's number can be taken at once by another
    // test running beside this one, and its path would exist again.
    void SetUp() override {
        ASSERT_TRUE(first_->ok() && second_->ok());
        ASSERT_TRUE(links_.isValid());
        ASSERT_TRUE(QFile::link(QString::fromStdString(first_->slavePath()), firstLink()));
        ASSERT_TRUE(QFile::link(QString::fromStdString(second_->slavePath()), secondLink()));
        WritePortMapping(settings_->writePath(),
                         {{51, firstLink().toStdString()}, {53, secondLink().toStdString()}});
    }
    QString firstLink() const { return links_.filePath(QStringLiteral("first")); }
    QString secondLink() const { return links_.filePath(QStringLiteral("second")); }
    void UnplugFirst() { ASSERT_TRUE(QFile::remove(firstLink())); }
    void UnplugSecond() { ASSERT_TRUE(QFile::remove(secondLink())); }

    // The system's own ports are left out: the test lists `systemPorts_` instead.
    std::unique_ptr<PortWindow> Open() {
        auto window = std::make_unique<PortWindow>(state_, *settings_, nullptr,
                                                   [this] { return systemPorts_; });
        window->show();
        list_ = window->findChild<QComboBox*>(QStringLiteral("Combo1"));
        return window;
    }
    QString Shown() const { return list_->currentText(); }
    QString ShownDevice(const PortWindow& window) const {
        return window.findChild<QLabel*>(QStringLiteral("LabelDevice"))->text();
    }
    QStringList Entries() const {
        QStringList entries;
        for (int i = 0; i < list_->count(); ++i) entries << list_->itemText(i);
        return entries;
    }
    void Click(PortWindow& window, const char* button) {
        QTest::mouseClick(window.findChild<QPushButton*>(QString::fromLatin1(button)),
                          Qt::LeftButton);
    }
    std::optional<std::string> StoredPort() const {
        return settings_->read(QString::fromLatin1(kSettingsSection),
                               QString::fromLatin1(kKeyComPort));
    }

    std::vector<PresentPort> systemPorts_;
    QTemporaryDir links_;
    std::unique_ptr<PtyPair> first_ = std::make_unique<PtyPair>();
    std::unique_ptr<PtyPair> second_ = std::make_unique<PtyPair>();
    QComboBox* list_ = nullptr;
};

TEST_F(PortWindowTest, ShowsTheChosenPortWithItsDevice) {
    state_.comPort = 53;
    auto window = Open();

    const QStringList entries = Entries();
    EXPECT_LT(entries.indexOf("COM51"), entries.indexOf("COM53"));
    EXPECT_GE(entries.indexOf("COM51"), 0);
    EXPECT_EQ(Shown(), "COM53");
    EXPECT_EQ(window->displayedPort(), 53);
    EXPECT_EQ(ShownDevice(*window), secondLink());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("LabelDescription"))->text().toStdString(),
              LinkWindowTexts().AddedByHand.en);
}

TEST_F(PortWindowTest, PortNotListedShowsTheFirstEntryAndOkStoresIt) {
    state_.comPort = 57;
    auto window = Open();
    ASSERT_GT(list_->count(), 0);
    EXPECT_EQ(list_->currentIndex(), 0);
    const int first = list_->itemData(0).toInt();

    Click(*window, "CommandOK");

    EXPECT_EQ(state_.comPort, first);
    EXPECT_EQ(StoredPort(), std::to_string(first));
    EXPECT_FALSE(window->isVisible());
}

// The chosen port whose device goes away stays listed and chosen, marked as not present, so OK
// cannot choose another port unseen; when the device comes back it is listed as before.
TEST_F(PortWindowTest, ChoiceSurvivesRescansAndItsDeviceVanishing) {
    state_.comPort = 53;
    auto window = Open();
    list_->setFocus();
    QTest::keyClick(list_, Qt::Key_Up);
    ASSERT_EQ(Shown(), "COM51");
    EXPECT_EQ(window->displayedPort(), 51);

    window->ReShowComPort();
    EXPECT_EQ(Shown(), "COM51");

    // The re-scan timer notices within a second.
    auto* description = window->findChild<QLabel*>(QStringLiteral("LabelDescription"));
    UnplugFirst();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return description->text().toStdString() == LinkWindowTexts().NotPresent.en; },
        3000));
    EXPECT_EQ(Entries(), (QStringList{"COM51", "COM53"}));
    EXPECT_EQ(Shown(), "COM51");
    EXPECT_EQ(ShownDevice(*window), firstLink());

    Click(*window, "CommandOK");
    EXPECT_EQ(state_.comPort, 51);
}

// A fresh installation: the system's built-in port, which it describes with nothing, is listed as
// a device and not as an entry the user added by hand; rescans leave the settings file alone.
TEST_F(PortWindowTest, SystemPortsAreNotAddedByHandAndRescansWriteNothing) {
    WritePortMapping(settings_->writePath(), {});
    systemPorts_ = {{"/dev/ttyS0", "", ""}};
    state_.comPort = 1;
    auto window = Open();
    EXPECT_EQ(Entries(), QStringList{"COM1"});
    EXPECT_EQ(ShownDevice(*window), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("LabelDescription"))->text(), QString());

    QFile file(settings_->writePath());
    const QDateTime written = QFileInfo(file).lastModified();
    QTest::qWait(20);
    window->ReShowComPort();
    window->ReShowComPort();
    EXPECT_EQ(QFileInfo(file).lastModified(), written);
}

TEST_F(PortWindowTest, OkStoresTheNumberAndCancelKeepsEverything) {
    state_.comPort = 51;
    {
        auto window = Open();
        QTest::keyClick(list_, Qt::Key_Down);
        ASSERT_EQ(Shown(), "COM53");
        Click(*window, "CommandCancel");
        EXPECT_EQ(state_.comPort, 51);
        EXPECT_EQ(StoredPort(), std::nullopt);
    }
    auto window = Open();
    QTest::keyClick(list_, Qt::Key_Down);
    Click(*window, "CommandOK");
    EXPECT_EQ(state_.comPort, 53);
    EXPECT_EQ(StoredPort(), "53");
}

// Without any port, OK chooses none and stores nothing.
TEST_F(PortWindowTest, EmptyListChoosesNoPort) {
    UnplugFirst();
    UnplugSecond();
    auto window = Open();
    EXPECT_EQ(list_->count(), 0);
    EXPECT_EQ(window->displayedPort(), 0);

    Click(*window, "CommandOK");
    EXPECT_EQ(state_.comPort, 0);
    EXPECT_EQ(StoredPort(), std::nullopt);
}

TEST_F(PortWindowTest, DeviceAddedByHandGetsTheLowestFreeNumberOnce) {
    PtyPair added;
    ASSERT_TRUE(added.ok());
    auto window = Open();
    auto* path = window->findChild<QLineEdit*>(QStringLiteral("TextDevice"));
    const auto add = [&](const std::string& device) {
        path->setText(QString::fromStdString(device));
        Click(*window, "CommandAdd");
    };
    std::set<int> taken;
    for (const auto& [number, device] : ReadPortMapping(settings_->writePath()))
        taken.insert(number);
    int lowestFree = 1;
    while (taken.contains(lowestFree)) ++lowestFree;

    add(added.slavePath());
    const QString name = QStringLiteral("COM%1").arg(lowestFree);
    EXPECT_EQ(Shown(), name);
    EXPECT_EQ(ShownDevice(*window).toStdString(), added.slavePath());
    EXPECT_TRUE(path->text().isEmpty());

    const int count = list_->count();
    add(added.slavePath());
    EXPECT_EQ(list_->count(), count);
    EXPECT_EQ(Shown(), name);
    EXPECT_TRUE(shown().empty());
}

struct BadPathCase {
    const char* name;
    bool exists;  // a plain file rather than nothing at all
    TextPair message;
};

class BadPathTest : public PortWindowTest, public ::testing::WithParamInterface<BadPathCase> {};

TEST_P(BadPathTest, IsRefusedWithAMessage) {
    const QString path = dir_.filePath("not-a-port");
    if (GetParam().exists) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    auto window = Open();
    const int count = list_->count();
    window->findChild<QLineEdit*>(QStringLiteral("TextDevice"))->setText(path);
    Click(*window, "CommandAdd");

    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].Text, WithDetail(GetParam().message, path.toStdString()));
    EXPECT_EQ(list_->count(), count);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, BadPathTest,
    ::testing::Values(BadPathCase{"Missing", false, LinkWindowTexts().PathMissing},
                      BadPathCase{"PlainFile", true, LinkWindowTexts().NotSerialDevice}),
    [](const auto& info) { return std::string(info.param.name); });

class PortWindowTextTest : public PortWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(PortWindowTextTest, FollowsTheCurrentLanguage) {
    const int language = GetParam();
    state_.CurrentLanguage = language;
    auto window = Open();
    const auto text = [&](const char* name) {
        return window->findChild<QWidget*>(QString::fromLatin1(name))->property("text").toString();
    };
    EXPECT_EQ(window->windowTitle().toStdString(), ShellTexts().PortWindowCaption.in(language));
    EXPECT_EQ(text("Label1").toStdString(), ShellTexts().PortLabel.in(language));
    EXPECT_EQ(text("CommandOK").toStdString(), language == kLanguageChinese ? "确定(&O)" : "&OK");
    EXPECT_EQ(text("CommandCancel").toStdString(),
              language == kLanguageChinese ? "取消(&C)" : "&Cancel");
}

INSTANTIATE_TEST_SUITE_P(Languages, PortWindowTextTest,
                         ::testing::Values(kLanguageEnglish, kLanguageChinese));

// The Setup menu opens the window; OK stores the port and the status bar names it.
TEST_F(PortWindowTest, SetupMenuOpensTheWindow) {
    state_.comPort = 51;
    QTimer::singleShot(0, [] {
        auto* window = qobject_cast<PortWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        auto* list = window->findChild<QComboBox*>(QStringLiteral("Combo1"));
        QTest::keyClick(list, Qt::Key_Down);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("CommandOK")),
                          Qt::LeftButton);
    });
    Trigger("mnuCommPort");
    EXPECT_EQ(state_.comPort, 53);
    EXPECT_EQ(main().findChild<QLabel*>(QStringLiteral("sbrPort"))->text(), "COM53");
}

}  // namespace
}  // namespace kv::linktest
