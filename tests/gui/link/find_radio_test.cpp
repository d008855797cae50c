// Finding the radio among four ports: a simulated radio answering as another model, a silent
// pseudo-terminal, one that answers garbage, and a simulated radio of this model; a port that
// cannot be opened; Cancel; and the port window's command storing the port it found.
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cstdio>

#include "app/startup_settings.h"
#include "gui/link/link_fixture.h"
#include "link/radio_search.h"
#include "link/ui/find_radio_window.h"
#include "platform/port_list.h"
#include "platform/pty_radio.h"

namespace kv::linktest {
namespace {

using test::PtyPair;
using test::PtyRadio;
using Kind = PortAnswer::Kind;

// Short, so that the silent port costs little; the simulators answer within milliseconds.
constexpr std::chrono::milliseconds kReplyTime{200};

ListedPort HandPort(int number, const QString& path) {
    return {number, path.toStdString(), {}, ListedPort::Kind::AddedByHand};
}

// The frames a simulator logged, as the requests they start with.
std::vector<std::uint8_t> FirstBytes(test::SimProcess& sim) {
    std::vector<std::uint8_t> first;
    for (const auto& frame : sim.ReceivedFrames())
        if (!frame.empty()) first.push_back(frame[0]);
    return first;
}

class FindRadioTest : public LinkFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(silent_.ok() && garbage_.ok());
        ASSERT_TRUE(other_.Start(test::PatternImage(3), {"--model", "OTHER77"}));
        ASSERT_TRUE(StartRadio(test::PatternImage(5)));
    }
    // Runs the window over `order` until the search has finished.
    void Run(FindRadioWindow& window) {
        QSignalSpy finished(&window.finder(), &RadioFinder::finished);
        window.finder().setReplyTime(kReplyTime);
        window.show();
        ASSERT_TRUE(finished.wait(20000));
    }
    std::vector<Kind> Kinds(const RadioFinder& finder) {
        std::vector<Kind> kinds;
        for (const PortAnswer& a : finder.answers()) kinds.push_back(a.Result);
        return kinds;
    }

    test::SimProcess other_;
    PtyPair silent_;
    PtyRadio silentRadio_{silent_, [](const Frame&) { return std::optional<Frame>(); }};
    PtyPair garbage_;
    PtyRadio garbageRadio_{garbage_, [](const Frame&) {
                               return std::optional<Frame>(Frame{'?', 0x15, 'x', 0xFF, 'z'});
                           }};
};

TEST_F(FindRadioTest, FindsThisModelAfterAnotherModelASilentPortAndGarbage) {
    const std::vector<ListedPort> order = {
        HandPort(1, other_.path()), HandPort(2, QString::fromStdString(silent_.slavePath())),
        HandPort(3, QString::fromStdString(garbage_.slavePath())), HandPort(4, sim_.path())};
    FindRadioWindow window(kLanguageEnglish, order);
    QElapsedTimer clock;
    clock.start();
    Run(window);
    std::printf("found the radio among four ports in %lld ms\n",
                static_cast<long long>(clock.elapsed()));

    const RadioFinder& finder = window.finder();
    EXPECT_EQ(Kinds(finder),
              (std::vector<Kind>{Kind::OtherModel, Kind::NoAnswer, Kind::Garbage, Kind::Found}));
    EXPECT_EQ(finder.answers()[0].Model, "OTHER77");
    EXPECT_EQ(finder.answers()[3].Model, "TALVEN5");
    ASSERT_TRUE(window.foundPort());
    EXPECT_EQ(window.foundPort()->number, 4);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    // Both radios heard the handshake ('P'), the identification request (0x02) and the end
    // request ('E'), so neither is left in programming mode.
    const std::vector<std::uint8_t> session = {'P', 0x02, 'E'};
    EXPECT_EQ(FirstBytes(other_), session);
    EXPECT_EQ(FirstBytes(sim_), session);
    // The silent port and the garbage port got the handshake only.
    ASSERT_EQ(silentRadio_.requests().size(), 1u);
    EXPECT_EQ(silentRadio_.requests()[0], HandshakeRequest());
    ASSERT_EQ(garbageRadio_.requests().size(), 1u);

    // Every port is named with what it answered.
    auto* list = window.findChild<QListWidget*>(QStringLiteral("ListAnswers"));
    ASSERT_EQ(list->count(), 4);
    EXPECT_TRUE(list->item(0)->text().contains(QStringLiteral("another model (OTHER77)")));
    EXPECT_TRUE(list->item(1)->text().contains(QStringLiteral("no answer")));
    EXPECT_TRUE(list->item(2)->text().contains(QStringLiteral("not this radio")));
    EXPECT_TRUE(list->item(3)->text().startsWith(QStringLiteral("COM4 (")));
}

TEST_F(FindRadioTest, WithoutTheRadioEveryPortIsNamedWithItsReasonAndTheWindowStays) {
    const std::vector<ListedPort> order = {HandPort(7, QStringLiteral("/dev/kv-no-such-port")),
                                           HandPort(8, other_.path())};
    FindRadioWindow window(kLanguageChinese, order);
    Run(window);
    EXPECT_EQ(Kinds(window.finder()), (std::vector<Kind>{Kind::CannotOpen, Kind::OtherModel}));
    EXPECT_FALSE(window.foundPort());
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.finder().answers()[0].OpenReason.zh.empty());
    auto* status = window.findChild<QLabel*>(QStringLiteral("LabelTrying"));
    EXPECT_EQ(status->text().toStdString(), FindRadioTexts().NotFound.zh);
    auto* button = window.findChild<QPushButton*>(QStringLiteral("CommandCancel"));
    EXPECT_EQ(button->text().toStdString(), FindRadioTexts().CloseButton.zh);
    button->click();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(FindRadioTest, CancelTellsThePortBeingTriedToEndAndStops) {
    const std::vector<ListedPort> order = {HandPort(2, QString::fromStdString(silent_.slavePath())),
                                           HandPort(4, sim_.path())};
    FindRadioWindow window(kLanguageEnglish, order);
    QSignalSpy finished(&window.finder(), &RadioFinder::finished);
    // Long enough that only Cancel ends the wait on the silent port.
    window.finder().setReplyTime(std::chrono::seconds(30));
    window.show();
    QTRY_COMPARE_WITH_TIMEOUT(silentRadio_.requests().size(), 1u, 5000);
    window.findChild<QPushButton*>(QStringLiteral("CommandCancel"))->click();
    ASSERT_TRUE(finished.count() == 1 || finished.wait(5000));
    EXPECT_TRUE(window.finder().cancelled());
    EXPECT_FALSE(window.foundPort());
    // The radio behind the next port was never asked.
    EXPECT_TRUE(FirstBytes(sim_).empty());
    QTRY_COMPARE_WITH_TIMEOUT(silentRadio_.requests().size(), 2u, 5000);
    EXPECT_EQ(silentRadio_.requests()[1], EndRequest());
}

TEST_F(FindRadioTest, ThePortWindowsCommandStoresThePortFoundAfterConsent) {
    // The ports listed: the other model's radio and this one's, mapped by hand.
    WritePortMapping(settings_->writePath(),
                     {{61, other_.path().toStdString()}, {62, sim_.path().toStdString()}});
    state_.comPort = 61;
    const auto noSystemPorts = [] { return std::vector<PresentPort>(); };

    Answer(FindRadioTexts().Consent, {MessageAnswer::Cancel});
    EXPECT_FALSE(FindTheRadio(nullptr, state_, *settings_, false, noSystemPorts, kReplyTime));
    EXPECT_TRUE(FirstBytes(other_).empty());
    EXPECT_EQ(state_.comPort, 61);

    Answer(FindRadioTexts().Consent, {MessageAnswer::Ok});
    EXPECT_EQ(FindTheRadio(nullptr, state_, *settings_, false, noSystemPorts, kReplyTime), 62);
    EXPECT_EQ(state_.comPort, 62);
    EXPECT_EQ(
        settings_->read(QString::fromLatin1(kSettingsSection), QString::fromLatin1(kKeyComPort)),
        "62");
}

}  // namespace
}  // namespace kv::linktest
