// Read from Radio and Write to Radio through the main window's menu, against the simulated radio
// on a pseudo-terminal: whole transfers, the confirmation, a silent radio, unsaved changes, the
// firmware version question, abandoning from the progress window and ports that cannot be used.
#include "link/ui/radio_commands.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/main_window_tables.h"
#include "app/shared_messages.h"
#include "app/ui/main_window.h"
#include "codec/image_codec.h"
#include "gui/link/link_fixture.h"
#include "link/frames.h"
#include "link/link_texts.h"
#include "link/link_window_texts.h"
#include "link/radio_search.h"
#include "link/ui/progress_window.h"
#include "platform/serial_port_open.h"
#include "platform/serial_session.h"

namespace kv::linktest {
namespace {

using test::PatternImage;

constexpr int kSessionTimeoutMs = 60000;

using Frames = std::vector<std::vector<std::uint8_t>>;

bool SameData(const RadioData& a, const RadioData& b) {
    return a.Config == b.Config && a.Store.Channels == b.Store.Channels &&
           a.Store.CbMemChannels == b.Store.CbMemChannels;
}

std::size_t CountFrames(const Frames& frames, std::uint8_t first, std::size_t length) {
    return static_cast<std::size_t>(std::count_if(frames.begin(), frames.end(), [&](const auto& f) {
        return f.size() == length && f.front() == first;
    }));
}

const std::vector<std::uint8_t> kEndRequest{0x45, 0x4E, 0x44};

class RadioCommandsTest : public LinkFixture {
protected:
    // These tests are about the sessions themselves; the backup and verify reads around a write
    // have their own tests.
    RadioCommandsTest() {
        for (const char* option : {"mnuBackupBeforeWrite", "mnuVerifyAfterWrite"})
            main().menuAction(QString::fromLatin1(option))->setChecked(false);
    }

    // The document as it stands, and the document the radio's image makes of it.
    std::unique_ptr<RadioData> Snapshot() const {
        return std::make_unique<RadioData>(doc_->Working);
    }
    std::unique_ptr<RadioData> AfterRead(const MemoryImage& radio) const {
        auto data = Snapshot();
        DecodeImage(*TransferredPart(radio), *data);
        return data;
    }

    // Runs `act` once on the progress window, from within the transfer, once the window shows at
    // least `percent`.
    void WhenProgressReaches(int percent, std::function<void(ProgressWindow&)> act) {
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, [this, percent, act = std::move(act)] {
            auto* window = QApplication::activeModalWidget()
                               ? qobject_cast<ProgressWindow*>(QApplication::activeModalWidget())
                               : nullptr;
            if (window == nullptr) return;
            if (window->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->value() < percent)
                return;
            poll_.stop();
            act(*window);
        });
        poll_.start();
    }

    bool WaitForShown(const TextPair& text, int timeoutMs = kSessionTimeoutMs) {
        return QTest::qWaitFor([&] { return CountShown(text) > 0; }, timeoutMs);
    }

    QTimer poll_;
};

bool ProgressWindowOpen() {
    const auto windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget* w) {
        return w->objectName() == QLatin1String("ProgressForm") && w->isVisible();
    });
}

// The whole read, with a reply the radio drops on the way: the reply timer must bring the
// transfer through (one request sent twice) while the main window is being resized all along.
TEST_F(RadioCommandsTest, ReadMakesTheRadioDataTheUntitledDocument) {
    const auto radio = std::make_unique<MemoryImage>(PatternImage(3));
    ASSERT_TRUE(StartRadio(*radio, {"--drop-reply", "300"}));
    doc_->DocumentName = "/data/old.dat";
    doc_->DocumentUntitled = false;
    const auto expected = AfterRead(*radio);
    main().show();
    int resizes = 0;
    QTimer resizer;
    resizer.setInterval(20);
    QObject::connect(&resizer, &QTimer::timeout,
                     [&] { main().resize(700 + (++resizes % 2) * 60, 500); });
    resizer.start();

    Trigger("mnuReadFromRadio");
    resizer.stop();

    EXPECT_GT(resizes, 0);
    ASSERT_EQ(shown().size(), 2u);
    EXPECT_EQ(shown()[0].Text, SharedMessages().ReadConfirmation);
    EXPECT_EQ(shown()[0].Buttons, MessageButtons::OkCancel);
    EXPECT_EQ(shown()[0].Icon, MessageIcon::Question);
    EXPECT_EQ(shown()[1].Text, SharedMessages().ReadCompleted);
    EXPECT_TRUE(SameData(doc_->Working, *expected));
    EXPECT_EQ(doc_->DocumentName, "new.dat");
    EXPECT_TRUE(doc_->DocumentUntitled);
    EXPECT_TRUE(main().windowTitle().contains(QStringLiteral("[File Name:new.dat]")))
        << main().windowTitle().toStdString();
    const auto windows = main().mdiArea()->subWindowList();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows[0]->widget()->objectName(), QLatin1String(kChannelWindow));
    EXPECT_FALSE(commands().session().isActive());
    EXPECT_FALSE(commands().session().isPortOpen());
    EXPECT_FALSE(ProgressWindowOpen());
    sim_.Stop();
    EXPECT_EQ(CountFrames(sim_.ReceivedFrames(), 0x52, kReadRequestLength), 1872u + 1u);
}

// A read without a usable port offers to find the radio; Yes finds it on its port, which becomes
// the chosen one, and the read goes on there.
TEST_F(RadioCommandsTest, AReadWithoutAPortFindsTheRadioAndReadsIt) {
    const auto radio = std::make_unique<MemoryImage>(PatternImage(4));
    ASSERT_TRUE(StartRadio(*radio));
    const auto expected = AfterRead(*radio);
    state_.comPort = 0;
    commands().setRadioSearch([] { return std::vector<PresentPort>(); },
                              std::chrono::milliseconds(300));
    const TextPair offer = FindRadioOffer(PortOpenMessage(PortOpenFailure::NoPortChosen, {}));
    Answer(offer, {MessageAnswer::Yes});

    Trigger("mnuReadFromRadio");

    ASSERT_TRUE(WaitForShown(SharedMessages().ReadCompleted));
    ASSERT_EQ(shown().size(), 3u);
    EXPECT_EQ(shown()[0].Text, offer);
    EXPECT_EQ(shown()[1].Text, SharedMessages().ReadConfirmation);
    EXPECT_EQ(state_.comPort, kSimPort);
    EXPECT_TRUE(SameData(doc_->Working, *expected));
}

// The whole write: edits in progress are finished first, the write proper waits for
// `TimerWrite`, and the radio ends up holding the encoded document in every transferred block.
TEST_F(RadioCommandsTest, WriteSendsTheDocumentWithTheEditsInProgress) {
    const auto radio = std::make_unique<MemoryImage>(PatternImage(9));
    ASSERT_TRUE(StartRadio(*radio));
    doc_->settings().Squelch = 4;
    StandInEditor* editor = channelWindow();
    ASSERT_NE(editor, nullptr);
    editor->pendingBeepLevel = 6;
    main().show();
    QApplication::setActiveWindow(&main());
    editor->micGainBox->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return editor->micGainBox->hasFocus(); }, 2000));
    editor->micGainBox->setText(QStringLiteral("3"));

    Trigger("mnuWriteToRadio");
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(doc_->settings().BeepLevel, 6);
    EXPECT_EQ(doc_->settings().MicGain, 3);

    ASSERT_TRUE(WaitForShown(SharedMessages().WriteCompleted));
    ASSERT_EQ(shown().size(), 2u);
    EXPECT_EQ(shown()[0].Text, SharedMessages().WriteConfirmation);
    EXPECT_EQ(shown()[0].Icon, MessageIcon::Question);
    const auto encoded = std::make_unique<MemoryImage>();
    EncodeImage(doc_->Working, *encoded);
    sim_.Stop();
    const auto written = std::make_unique<MemoryImage>(sim_.SavedImage());
    EXPECT_TRUE(*TransferredPart(*written) == *TransferredPart(*encoded));
    // Bytes outside the transfer map are never sent.
    EXPECT_EQ(written->at(0x00C80), radio->at(0x00C80));
    EXPECT_EQ(written->at(0x22200), radio->at(0x22200));
    const Frames frames = sim_.ReceivedFrames();
    EXPECT_EQ(CountFrames(frames, 0x57, kDataFrameLength), 1872u);
    EXPECT_EQ(frames.back(), kEndRequest);
    EXPECT_FALSE(ProgressWindowOpen());
}

struct ConfirmationCase {
    const char* menuItem;
    TextPair confirmation;
};

class CancelAtConfirmationTest : public RadioCommandsTest,
                                 public ::testing::WithParamInterface<ConfirmationCase> {};

TEST_P(CancelAtConfirmationTest, SendsNothingAndChangesNothing) {
    ASSERT_TRUE(StartRadio(PatternImage(1)));
    Answer(GetParam().confirmation, {MessageAnswer::Cancel});
    const auto before = Snapshot();
    const QWidget* window = channelWindow();

    Trigger(GetParam().menuItem);
    ASSERT_TRUE(WaitForShown(GetParam().confirmation, 5000));

    EXPECT_EQ(shown().size(), 1u);
    EXPECT_FALSE(commands().session().isActive());
    EXPECT_FALSE(commands().session().isPortOpen());
    EXPECT_TRUE(SameData(doc_->Working, *before));
    EXPECT_EQ(channelWindow(), window);
    sim_.Stop();
    EXPECT_TRUE(sim_.ReceivedFrames().empty());
}

INSTANTIATE_TEST_SUITE_P(
    ReadAndWrite, CancelAtConfirmationTest,
    ::testing::Values(ConfirmationCase{"mnuReadFromRadio", SharedMessages().ReadConfirmation},
                      ConfirmationCase{"mnuWriteToRadio", SharedMessages().WriteConfirmation}));

// A radio that never answers, or falls silent during a write: five transmissions a second
// apart, then the progress window closes, the message says that the radio does not answer, and
// a write that had sent data says that the radio is only partly programmed. Nothing changes.
struct SilentCase {
    const char* name;
    const char* menuItem;
    const char* silentAfter;
    std::vector<TextPair> messages;
};

class SilentRadioTest : public RadioCommandsTest,
                        public ::testing::WithParamInterface<SilentCase> {};

TEST_P(SilentRadioTest, SaysSoAndChangesNothing) {
    ASSERT_TRUE(StartRadio(PatternImage(2), {"--silent-after", GetParam().silentAfter}));
    doc_->DocumentName = "/data/old.dat";
    doc_->DocumentUntitled = false;
    main().UpdateTitle();
    const QString title = main().windowTitle();
    const auto before = Snapshot();
    const QWidget* window = channelWindow();

    Trigger(GetParam().menuItem);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown().size() > 1 && !ProgressWindowOpen(); },
                                kSessionTimeoutMs));

    std::vector<TextPair> after;
    for (std::size_t i = 1; i < shown().size(); ++i) after.push_back(shown()[i].Text);
    EXPECT_EQ(after, GetParam().messages);
    EXPECT_FALSE(commands().session().isActive());
    EXPECT_TRUE(SameData(doc_->Working, *before));
    EXPECT_EQ(doc_->DocumentName, "/data/old.dat");
    EXPECT_FALSE(doc_->DocumentUntitled);
    EXPECT_EQ(main().windowTitle(), title);
    EXPECT_EQ(channelWindow(), window);
    sim_.Stop();
    const Frames frames = sim_.ReceivedFrames();
    ASSERT_GE(frames.size(), 5u);
    EXPECT_TRUE(std::all_of(frames.end() - 5, frames.end(), [&](const auto& f) {
        return f == frames.back();
    })) << "the last request five times";
}

INSTANTIATE_TEST_SUITE_P(
    ReadAndWrite, SilentRadioTest,
    ::testing::Values(SilentCase{"ReadOfASilentRadio", "mnuReadFromRadio", "0", {NoAnswerText()}},
                      SilentCase{"WriteThatFallsSilent",
                                 "mnuWriteToRadio",
                                 "300",
                                 {NoAnswerText(), PartlyWrittenText()}}),
    [](const auto& info) { return std::string(info.param.name); });

// The port goes away while the confirmation (or, for a read, the unsaved-changes question) is
// open: no progress window opens, the lost port is reported, and the program stays usable.
struct LostAtQuestionCase {
    const char* name;
    const char* menuItem;
    TextPair question;
    MessageAnswer goOn;
    bool unsaved;
};

class PortLostAtQuestionTest : public RadioCommandsTest,
                               public ::testing::WithParamInterface<LostAtQuestionCase> {};

TEST_P(PortLostAtQuestionTest, ShowsTheOutcomeWithoutAProgressWindow) {
    ASSERT_TRUE(StartRadio(PatternImage(8)));
    if (GetParam().unsaved) doc_->settings().Squelch += 1;
    const auto before = Snapshot();
    bool progressOpened = false;
    QObject::connect(&poll_, &QTimer::timeout, [&] { progressOpened |= ProgressWindowOpen(); });
    poll_.start(5);
    // The radio is pulled while the question is open; the answer then goes on.
    Answer(GetParam().question, {GetParam().goOn});
    SetQuestionHook(GetParam().question, [this] {
        sim_.Stop();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !commands().session().isActive(); }, 5000));
    });

    Trigger(GetParam().menuItem);
    ASSERT_TRUE(QTest::qWaitFor([&] { return CountShown(PortLostText()) > 0; }, 10000));
    poll_.stop();

    EXPECT_FALSE(progressOpened);
    EXPECT_FALSE(ProgressWindowOpen());
    EXPECT_FALSE(commands().session().isActive());
    EXPECT_FALSE(commands().session().isPortOpen());
    EXPECT_TRUE(SameData(doc_->Working, *before));
    // The program is usable: the next command runs against a radio that is there again.
    ASSERT_TRUE(StartRadio(PatternImage(8)));
    SetQuestionHook(GetParam().question, {});
    Answer(SharedMessages().UnsavedChanges, {MessageAnswer::No});
    Trigger("mnuReadFromRadio");
    EXPECT_EQ(CountShown(SharedMessages().ReadCompleted), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Questions, PortLostAtQuestionTest,
    ::testing::Values(LostAtQuestionCase{"ReadConfirmation", "mnuReadFromRadio",
                                         SharedMessages().ReadConfirmation, MessageAnswer::Ok,
                                         false},
                      LostAtQuestionCase{"UnsavedChangesBeforeARead", "mnuReadFromRadio",
                                         SharedMessages().UnsavedChanges, MessageAnswer::No, true},
                      LostAtQuestionCase{"WriteConfirmation", "mnuWriteToRadio",
                                         SharedMessages().WriteConfirmation, MessageAnswer::Ok,
                                         false}),
    [](const auto& info) { return std::string(info.param.name); });

// Messages the session raised are shown once it has ended, each with OK and no icon; a failed
// read shows no completion message.
TEST_F(RadioCommandsTest, WrongModelIsReportedAfterTheSession) {
    ASSERT_TRUE(StartRadio(PatternImage(7), {"--model", "TALVEN6"}));
    const auto before = Snapshot();

    Trigger("mnuReadFromRadio");

    ASSERT_EQ(shown().size(), 2u);
    EXPECT_EQ(shown()[1].Text, SharedMessages().WrongModel);
    EXPECT_EQ(shown()[1].Buttons, MessageButtons::Ok);
    EXPECT_EQ(shown()[1].Icon, MessageIcon::None);
    EXPECT_TRUE(SameData(doc_->Working, *before));
    EXPECT_EQ(doc_->Radio.RadioModel, "TALVEN6");
    sim_.Stop();
    EXPECT_EQ(sim_.ReceivedFrames().back(), kEndRequest);
}

struct UnsavedCase {
    MessageAnswer answer;
    bool saved;
    bool read;
};

class UnsavedChangesTest : public RadioCommandsTest,
                           public ::testing::WithParamInterface<UnsavedCase> {};

// The read replaces the document, so unsaved changes are offered for saving first.
TEST_P(UnsavedChangesTest, ReadAsksBeforeReplacingTheDocument) {
    ASSERT_TRUE(StartRadio(PatternImage(5)));
    doc_->settings().Squelch += 1;
    chooser_.savePath = dir_.filePath("kept.dat");
    Answer(SharedMessages().UnsavedChanges, {GetParam().answer});
    const auto before = Snapshot();

    Trigger("mnuReadFromRadio");

    ASSERT_EQ(CountShown(SharedMessages().UnsavedChanges), 1);
    EXPECT_EQ(QFileInfo::exists(*chooser_.savePath), GetParam().saved);
    EXPECT_EQ(CountShown(SharedMessages().ReadCompleted), GetParam().read ? 1 : 0);
    EXPECT_EQ(SameData(doc_->Working, *before), !GetParam().read);
    EXPECT_FALSE(commands().session().isPortOpen());
    sim_.Stop();
    EXPECT_EQ(sim_.ReceivedFrames().empty(), !GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(Answers, UnsavedChangesTest,
                         ::testing::Values(UnsavedCase{MessageAnswer::Yes, true, true},
                                           UnsavedCase{MessageAnswer::No, false, true},
                                           UnsavedCase{MessageAnswer::Cancel, false, false}));

struct VersionCase {
    const char* name;
    MessageAnswer answer;
    bool unsaved;  // unsaved changes, kept by Cancel at the hand-over
    bool handedOver;
};

class VersionQuestionTest : public RadioCommandsTest,
                            public ::testing::WithParamInterface<VersionCase> {};

// A radio whose firmware this version does not list: the question is asked at once; Yes hands
// over to the fitting version (after the unsaved-changes question), anything else ends the
// session as failed after the end request.
TEST_P(VersionQuestionTest, FirmwareOfAnotherVersion) {
    ASSERT_TRUE(StartRadio(PatternImage(4), {"--firmware", "V200"}));
    const TextPair question = VersionMismatchText("V100", "V200", 0);
    Answer(question, {GetParam().answer});
    if (GetParam().unsaved) doc_->settings().Squelch += 1;
    Answer(SharedMessages().UnsavedChanges, {MessageAnswer::No, MessageAnswer::Cancel});
    QSignalSpy quit(&main(), &MainWindow::quitRequested);
    const auto before = Snapshot();

    Trigger("mnuReadFromRadio");

    ASSERT_EQ(CountShown(question), 1);
    EXPECT_EQ(CountShown(SharedMessages().ReadCompleted), 0);
    EXPECT_TRUE(SameData(doc_->Working, *before));
    EXPECT_FALSE(ProgressWindowOpen());
    EXPECT_FALSE(commands().session().isPortOpen());
    EXPECT_EQ(quit.count(), GetParam().handedOver ? 1 : 0);
    EXPECT_EQ(store_->started, GetParam().handedOver ? std::vector<std::string>{"V200"}
                                                     : std::vector<std::string>{});
    sim_.Stop();
    const Frames frames = sim_.ReceivedFrames();
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.back() == kEndRequest, !GetParam().handedOver);
}

INSTANTIATE_TEST_SUITE_P(Answers, VersionQuestionTest,
                         ::testing::Values(VersionCase{"No", MessageAnswer::No, false, false},
                                           VersionCase{"Yes", MessageAnswer::Yes, false, true},
                                           VersionCase{"YesThenKeepChanges", MessageAnswer::Yes,
                                                       true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct AbandonCase {
    const char* name;
    const char* menuItem;
    MessageAnswer answer;
    bool partlyWritten;
};

class AbandonTest : public RadioCommandsTest, public ::testing::WithParamInterface<AbandonCase> {};

// Closing the progress window asks whether to stop; stopping sends the end request and ends the
// session as failed, and a write stopped halfway says that the radio must be written again.
TEST_P(AbandonTest, ClosingTheProgressWindow) {
    ASSERT_TRUE(StartRadio(PatternImage(6), {"--delay", "1"}));
    Answer(LinkWindowTexts().AbandonQuestion, {GetParam().answer});
    const auto before = Snapshot();
    const QWidget* window = channelWindow();
    WhenProgressReaches(20, [](ProgressWindow& progress) { progress.close(); });

    Trigger(GetParam().menuItem);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !poll_.isActive() && !commands().session().isActive(); }, kSessionTimeoutMs));

    const bool stopped = GetParam().answer == MessageAnswer::Yes;
    EXPECT_EQ(CountShown(LinkWindowTexts().AbandonQuestion), 1);
    EXPECT_EQ(CountShown(PartlyWrittenText()), GetParam().partlyWritten ? 1 : 0);
    EXPECT_EQ(CountShown(NoAnswerText()), 0) << "a user who stopped knows why it ended";
    const TextPair& completed = QLatin1String(GetParam().menuItem) == "mnuReadFromRadio"
                                    ? SharedMessages().ReadCompleted
                                    : SharedMessages().WriteCompleted;
    EXPECT_EQ(CountShown(completed), stopped ? 0 : 1);
    EXPECT_FALSE(ProgressWindowOpen());
    EXPECT_FALSE(commands().session().isPortOpen());
    if (stopped) {
        EXPECT_TRUE(SameData(doc_->Working, *before));
        EXPECT_EQ(channelWindow(), window);
    }
    sim_.Stop();
    // Stopped or not, the radio is told once that the session is over.
    const Frames frames = sim_.ReceivedFrames();
    EXPECT_EQ(std::count(frames.begin(), frames.end(), kEndRequest), 1);
    EXPECT_EQ(frames.back(), kEndRequest);
}

INSTANTIATE_TEST_SUITE_P(
    ReadAndWrite, AbandonTest,
    ::testing::Values(AbandonCase{"StopRead", "mnuReadFromRadio", MessageAnswer::Yes, false},
                      AbandonCase{"StopWrite", "mnuWriteToRadio", MessageAnswer::Yes, true},
                      AbandonCase{"GoOnWriting", "mnuWriteToRadio", MessageAnswer::No, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct PortCase {
    const char* name;
    const char* menuItem;
    int comPort;
    TextPair message;
};

class UnusablePortTest : public RadioCommandsTest,
                         public ::testing::WithParamInterface<PortCase> {};

// No port chosen, or a number no device has: the port message, and no confirmation.
TEST_P(UnusablePortTest, ShowsThePortMessageOnly) {
    state_.comPort = GetParam().comPort;

    Trigger(GetParam().menuItem);
    ASSERT_TRUE(WaitForShown(GetParam().message, 5000));

    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].Icon, MessageIcon::Critical);
    EXPECT_FALSE(commands().session().isActive());
}

INSTANTIATE_TEST_SUITE_P(
    Ports, UnusablePortTest,
    ::testing::Values(PortCase{"ReadWithoutPort", "mnuReadFromRadio", 0,
                               FindRadioOffer(PortOpenMessage(PortOpenFailure::NoPortChosen, {}))},
                      PortCase{"WriteWithoutPort", "mnuWriteToRadio", 0,
                               PortOpenMessage(PortOpenFailure::NoPortChosen, {})},
                      PortCase{"ReadUnknownPort", "mnuReadFromRadio", 77,
                               FindRadioOffer(PortOpenMessage(PortOpenFailure::NotFound,
                                                              QStringLiteral("COM77")))}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kv::linktest
