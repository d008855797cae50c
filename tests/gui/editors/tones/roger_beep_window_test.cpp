// The roger-beep window: texts in both languages, showing never storing, the refusals that keep
// one tone defined, the repair of references, the preview and the sound-file export.
#include "editors/tones/ui/roger_beep_window.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "editors/tones/tone_rules.h"
#include "editors/tones/ui/tone_player.h"
#include "tone_windows_fixture.h"

namespace kv::test {
namespace {

class RogerBeepWindowTest : public ToneWindowsTest {
protected:
    ToneRecord& tone(int n) { return doc().config().ToneTable[static_cast<std::size_t>(n - 1)]; }
    void define(int n, std::initializer_list<ToneStep> steps, int repeat = 1, int interval = 0) {
        tone(n) = {};
        std::size_t i = 0;
        for (const ToneStep& s : steps) tone(n).Steps[i++] = s;
        tone(n).ToneRepeat = static_cast<i16>(repeat);
        tone(n).ToneInterval = static_cast<i16>(interval);
    }
    RogerBeepWindow* open() {
        auto* window = openByMenu<RogerBeepWindow>("mnuRogerBeep", kRogerBeepWindow);
        EXPECT_NE(window, nullptr);
        return window;
    }
    QComboBox* list(RogerBeepWindow* w, const QString& name) { return child<QComboBox>(w, name); }
    QComboBox* length(RogerBeepWindow* w, int step) {
        return list(w, QStringLiteral("cboLong_%1").arg(step));
    }
    QPushButton* button(RogerBeepWindow* w, const char* name) {
        return child<QPushButton>(w, QString::fromLatin1(name));
    }
    // Picks an entry as the user does.
    static void pick(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
};

TEST_F(RogerBeepWindowTest, TextsInBothLanguages) {
    struct Case {
        const char* Locale;
        const char* Caption;
        const char* Tab8;
        const char* Recycle;
        const char* Off;
        const char* Step14;
        const char* None;
        const char* Play;
        const char* Close;
    };
    const Case cases[] = {
        {"en_US", "Roger Beep", "RB Tone 8", "Recycle Times", "Off", "Fourteenth Tone", "None",
         "&Play", "&Close"},
        {"zh_CN", "RB音", "RB音 8", "循环次数", "关", "第十四个音", "无", "播放(&P)", "关闭(&C)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Locale);
        StartWithToneWindows(c.Locale);
        RogerBeepWindow* w = open();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(c.Caption));
        auto* tabs = child<QTabBar>(w, QStringLiteral("TabStrip1"));
        ASSERT_EQ(tabs->count(), 8);
        EXPECT_EQ(tabs->tabText(7), QString::fromUtf8(c.Tab8));
        EXPECT_EQ(child<QLabel>(w, QStringLiteral("lblRecycle"))->text(),
                  QString::fromUtf8(c.Recycle));
        EXPECT_EQ(list(w, QStringLiteral("cboRecycle"))->itemText(0), QString::fromUtf8(c.Off));
        EXPECT_EQ(child<QLabel>(w, QStringLiteral("lblStep_14"))->text(),
                  QString::fromUtf8(c.Step14));
        EXPECT_EQ(list(w, QStringLiteral("cboFreq_14"))->itemText(0), QString::fromUtf8(c.None));
        EXPECT_EQ(list(w, QStringLiteral("cboFreq_14"))->count(), 217);
        EXPECT_EQ(length(w, 1)->count(), 256);
        EXPECT_EQ(button(w, "CommandPlay")->text(), QString::fromUtf8(c.Play));
        EXPECT_EQ(button(w, "CommandClose")->text(), QString::fromUtf8(c.Close));
        app_.reset();
        FlushDeletes();
        QFile::remove(settingsPath());  // the next start takes the language from the locale
    }
}

// Values the lists cannot show are shown as themselves and kept; showing tabs stores
// nothing, and the window opens on tone 1.
TEST_F(RogerBeepWindowTest, ShowingNeverStores) {
    StartWithToneWindows();
    define(1, {{20, 10}, {100, 300}}, 20, 999);
    define(2, {{210, 10}}, 3, 7);
    const ConfigRecord before = doc().config();
    RogerBeepWindow* w = open();
    EXPECT_EQ(w->CurrentTone(), 1);
    EXPECT_EQ(list(w, QStringLiteral("cboRecycle"))->currentText(),
              QStringLiteral("20 (not in the list)"));
    EXPECT_EQ(list(w, QStringLiteral("cboInterval"))->currentText(),
              QStringLiteral("9990 (not in the list)"));
    EXPECT_EQ(list(w, QStringLiteral("cboFreq_1"))->currentText(),
              QStringLiteral("200 (not in the list)"));
    EXPECT_EQ(length(w, 2)->currentText(), QStringLiteral("3000 (not in the list)"));
    auto* tabs = child<QTabBar>(w, QStringLiteral("TabStrip1"));
    tabs->setCurrentIndex(1);
    EXPECT_EQ(w->CurrentTone(), 2);
    EXPECT_EQ(list(w, QStringLiteral("cboFreq_1"))->currentText(), QStringLiteral("2100"));
    EXPECT_EQ(list(w, QStringLiteral("cboRecycle"))->currentText(), QStringLiteral("3"));
    EXPECT_EQ(list(w, QStringLiteral("cboInterval"))->currentText(), QStringLiteral("70"));
    tabs->setCurrentIndex(0);
    EXPECT_TRUE(doc().config() == before);
    EXPECT_TRUE(Edits.empty());
}

TEST_F(RogerBeepWindowTest, SingleDefinedToneCannotBeMadeUndefined) {
    StartWithToneWindows();
    UndefineAllTones();
    define(1, {{100, 10}, {100, 20}});
    RogerBeepWindow* w = open();
    QComboBox* recycle = list(w, QStringLiteral("cboRecycle"));
    pick(recycle, 0);
    EXPECT_EQ(recycle->currentIndex(), 1);
    EXPECT_EQ(tone(1).ToneRepeat, 1);
    pick(length(w, 1), 0);
    EXPECT_EQ(tone(1).Steps[0].ToneTime, 0);
    pick(length(w, 2), 0);
    EXPECT_EQ(length(w, 2)->currentIndex(), 20);
    EXPECT_EQ(tone(1).Steps[1].ToneTime, 20);
    EXPECT_EQ(IsToneDefined(doc().config(), 1), 1);
}

// Only the single defined tone is guarded: the undefined tone 3 is edited freely.
TEST_F(RogerBeepWindowTest, UndefinedToneStaysEditable) {
    StartWithToneWindows();
    define(1, {{100, 10}});
    define(3, {{100, 10}}, 0);
    RogerBeepWindow* w = open();
    child<QTabBar>(w, QStringLiteral("TabStrip1"))->setCurrentIndex(2);
    pick(length(w, 1), 0);
    EXPECT_EQ(tone(3).Steps[0].ToneTime, 0);
    EXPECT_EQ(length(w, 1)->currentIndex(), 0);
    pick(list(w, QStringLiteral("cboRecycle")), 5);
    pick(list(w, QStringLiteral("cboRecycle")), 0);
    EXPECT_EQ(tone(3).ToneRepeat, 0);
}

// Tone 3 becomes undefined: its references become 0 before the open windows rebuild their
// lists, and the edit is announced.
TEST_F(RogerBeepWindowTest, UndefiningAToneRepairsReferencesThenRefreshesLists) {
    StartWithToneWindows();
    define(1, {{100, 10}});
    define(3, {{100, 10}, {120, 5}});
    RadioData& data = doc().Working;
    data.Config.Settings.CbPublicParams.RogerBeep = 3;
    data.Config.Settings.HamPublicParams.RogerBeep = 1;
    data.channel(kBandHam, 2, 13).RogerBeep = 3;
    data.Store.cbMem(70).RogerBeep = 3;
    RogerBeepWindow* w = open();
    child<QTabBar>(w, QStringLiteral("TabStrip1"))->setCurrentIndex(2);
    Edits.clear();

    pick(length(w, 1), 0);  // tone 3 still defined: step 2 has a length
    EXPECT_EQ(data.Config.Settings.CbPublicParams.RogerBeep, 3);
    pick(length(w, 2), 0);

    EXPECT_EQ(data.Config.Settings.CbPublicParams.RogerBeep, 0);
    EXPECT_EQ(data.Config.Settings.HamPublicParams.RogerBeep, 1);
    EXPECT_EQ(data.channel(kBandHam, 2, 13).RogerBeep, 0);
    EXPECT_EQ(data.Store.cbMem(70).RogerBeep, 0);
    ASSERT_EQ(Edits.size(), 2u);
    EXPECT_EQ(Edits.back().Section, EditSection::Tones);
}

// References that named nothing defined when the radio was read stay as the radio holds them:
// an edit clears only the references to the tone it leaves undefined, and says so; an edit that
// clears nothing says nothing.
TEST_F(RogerBeepWindowTest, EditsLeaveReferencesThatWereAlreadyUndefined) {
    StartWithToneWindows();
    UndefineAllTones();
    define(1, {{100, 10}});
    define(2, {{100, 10}});
    tone(4) = {};
    tone(4).ToneRepeat = 3;  // no length: undefined
    RadioData& data = doc().Working;
    data.channel(kBandCb, 1, 1).RogerBeep = 9;
    data.channel(kBandHf, 2, 12).RogerBeep = 15;
    data.channel(kBandHam, 3, 1).RogerBeep = 4;
    data.Store.cbMem(7).RogerBeep = -1;
    data.Config.Settings.HfPublicParams.RogerBeep = 4;
    data.channel(kBandCb, 2, 1).RogerBeep = 2;
    RogerBeepWindow* w = open();
    QTabBar* tabs = child<QTabBar>(w, QStringLiteral("TabStrip1"));
    main().statusBar()->clearMessage();

    pick(list(w, QStringLiteral("cboRecycle")), 5);  // tone 1 stays defined
    tabs->setCurrentIndex(3);
    pick(length(w, 1), 8);                           // tone 4 becomes defined
    pick(list(w, QStringLiteral("cboRecycle")), 0);  // and undefined again: its references go
    EXPECT_EQ(data.channel(kBandHam, 3, 1).RogerBeep, 0);
    EXPECT_EQ(data.Config.Settings.HfPublicParams.RogerBeep, 0);
    EXPECT_EQ(main().statusBar()->currentMessage(),
              QStringLiteral("Tone 4 is no longer used by 1 channel and 1 public block."));

    data.channel(kBandHam, 3, 1).RogerBeep = 4;
    main().statusBar()->clearMessage();
    pick(length(w, 2), 3);                           // tone 4 stays undefined (recycle Off)
    pick(list(w, QStringLiteral("cboRecycle")), 2);  // defined again
    EXPECT_EQ(data.channel(kBandHam, 3, 1).RogerBeep, 4);
    EXPECT_TRUE(main().statusBar()->currentMessage().isEmpty());

    EXPECT_EQ(data.channel(kBandCb, 1, 1).RogerBeep, 9);
    EXPECT_EQ(data.channel(kBandHf, 2, 12).RogerBeep, 15);
    EXPECT_EQ(data.Store.cbMem(7).RogerBeep, -1);
    EXPECT_EQ(data.channel(kBandCb, 2, 1).RogerBeep, 2);
}

TEST_F(RogerBeepWindowTest, FrequencyAndIntervalAreStoredAsTheirValues) {
    StartWithToneWindows();
    define(1, {{100, 10}});
    RogerBeepWindow* w = open();
    pick(list(w, QStringLiteral("cboFreq_2")), 216);
    EXPECT_EQ(tone(1).Steps[1].ToneFreq, 255);
    pick(list(w, QStringLiteral("cboFreq_1")), 0);
    EXPECT_EQ(tone(1).Steps[0].ToneFreq, 0);
    pick(list(w, QStringLiteral("cboInterval")), 255);
    EXPECT_EQ(tone(1).ToneInterval, 255);
    EXPECT_EQ(Edits.size(), 3u);
}

// Lengths 10 and 30: a red bar over the first quarter of the usable width, a blue one over the
// rest; the taller bar for the higher frequency.
TEST_F(RogerBeepWindowTest, BarGraphShowsTheSteps) {
    StartWithToneWindows();
    define(1, {{64, 10}, {192, 30}});
    RogerBeepWindow* w = open();
    QWidget* graph = child<QWidget>(w, QStringLiteral("Picture1"));
    graph->resize(400, 200);
    const QImage image = graph->grab().toImage();
    const int bottom = image.height() - 6;
    const auto at = [&](double share) {
        const int usable = image.width() - 2 * 3;  // 50 twips each side: about 3 pixels
        return image.pixelColor(3 + static_cast<int>(share * usable), bottom);
    };
    EXPECT_EQ(at(0.12), QColor(Qt::red));
    EXPECT_EQ(at(0.6), QColor(Qt::blue));
    EXPECT_EQ(at(0.95), QColor(Qt::blue));
    // Height: 64/256 of the usable height for the red bar, 192/256 for the blue one.
    const int usableHeight = image.height() - 12;
    EXPECT_EQ(image.pixelColor(static_cast<int>(0.12 * image.width()), bottom - usableHeight / 2),
              QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(static_cast<int>(0.6 * image.width()), bottom - usableHeight / 2),
              QColor(Qt::blue));
}

// Play disables itself until the end; Stop ends at once; the window answers while it plays;
// the preview plays the tone as it was at Play.
TEST_F(RogerBeepWindowTest, PreviewRunsWithoutBlockingAndStops) {
    StartWithToneWindows();
    define(1, {{100, 10}, {0, 10}}, 2, 10);  // 2 × 300 ms
    RogerBeepWindow* w = open();
    QPushButton* play = button(w, "CommandPlay");
    // The player's clock moves only when the test moves it.
    qint64 now = 1000;
    w->Player().SetClock([&now] { return now; });
    QSignalSpy ticks(w->Player().findChild<QTimer*>(), &QTimer::timeout);
    const auto nextTick = [&] {
        ticks.clear();
        return ticks.wait(5000);
    };
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_FALSE(play->isEnabled());
    EXPECT_TRUE(w->Player().IsPlaying());
    EXPECT_EQ(w->Player().DurationMs(), 600);
    // Editing during playback reaches the document, not the running preview.
    pick(length(w, 1), 100);
    EXPECT_EQ(tone(1).Steps[0].ToneTime, 100);
    EXPECT_EQ(w->Player().DurationMs(), 600);
    QTest::mouseClick(play, Qt::LeftButton);  // disabled: no second playback
    now += 599;
    ASSERT_TRUE(nextTick());
    EXPECT_TRUE(w->Player().IsPlaying()) << "1 ms of the tone is still to play";
    EXPECT_FALSE(play->isEnabled());
    now += 1;
    // Without an audio device the next tick ends it; a device ends it once it has played.
    QTRY_VERIFY_WITH_TIMEOUT(play->isEnabled(), 10000);
    EXPECT_FALSE(w->Player().IsPlaying());

    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_EQ(w->Player().DurationMs(), 2 * 1200);
    // The window answers the user while the preview plays.
    auto* tabs = child<QTabBar>(w, QStringLiteral("TabStrip1"));
    QTimer::singleShot(50, tabs, [tabs] {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(4).center());
    });
    QTRY_COMPARE_WITH_TIMEOUT(w->CurrentTone(), 5, 2000);
    EXPECT_TRUE(w->Player().IsPlaying());
    QTest::mouseClick(button(w, "CommandStop"), Qt::LeftButton);
    EXPECT_FALSE(w->Player().IsPlaying());
    EXPECT_TRUE(play->isEnabled());
}

TEST_F(RogerBeepWindowTest, NothingPlaysWithoutLengthOrRecycle) {
    StartWithToneWindows();
    define(1, {{100, 10}});
    define(2, {{100, 0}});
    define(3, {{100, 10}}, 0);
    RogerBeepWindow* w = open();
    auto* tabs = child<QTabBar>(w, QStringLiteral("TabStrip1"));
    for (const int index : {1, 2}) {
        tabs->setCurrentIndex(index);
        QTest::mouseClick(button(w, "CommandPlay"), Qt::LeftButton);
        EXPECT_FALSE(w->Player().IsPlaying());
        EXPECT_TRUE(button(w, "CommandPlay")->isEnabled());
    }
}

// Every way the window closes ends the preview at once.
TEST_F(RogerBeepWindowTest, ClosingEndsThePreview) {
    StartWithToneWindows();
    define(1, {{100, 200}}, 10, 255);
    const std::function<void()> closers[] = {
        [this] { trigger("mnuWindowCloseAll"); },
        [this] {
            QTest::mouseClick(main()
                                  .FindEditor(QString::fromLatin1(kRogerBeepWindow))
                                  ->findChild<QPushButton*>(QStringLiteral("CommandClose")),
                              Qt::LeftButton);
        },
    };
    for (const auto& close : closers) {
        RogerBeepWindow* w = open();
        QTest::mouseClick(button(w, "CommandPlay"), Qt::LeftButton);
        QPointer<TonePlayer> player = &w->Player();
        ASSERT_TRUE(player->IsPlaying());
        close();
        // The window is deleted only later: the close itself must end the preview.
        ASSERT_FALSE(player.isNull());
        EXPECT_FALSE(player->IsPlaying());
        EXPECT_EQ(main().FindEditor(QString::fromLatin1(kRogerBeepWindow)), nullptr);
        FlushDeletes();
        EXPECT_TRUE(player.isNull()) << "the player goes with its window";
    }
}

// New keeps the window open on the new document; the tone of the old one stops.
TEST_F(RogerBeepWindowTest, ANewDocumentEndsThePreviewAndKeepsTheWindow) {
    StartWithToneWindows();
    define(1, {{100, 200}}, 10, 255);
    RogerBeepWindow* w = open();
    QTest::mouseClick(button(w, "CommandPlay"), Qt::LeftButton);
    ASSERT_TRUE(w->Player().IsPlaying());
    Answer({MessageAnswer::Ok});
    trigger("mnuFileNew");
    EXPECT_FALSE(w->Player().IsPlaying());
    EXPECT_EQ(main().FindEditor(QString::fromLatin1(kRogerBeepWindow)), w);
}

TEST_F(RogerBeepWindowTest, ExportWritesTheMelody) {
    StartWithToneWindows();
    define(1, {{100, 10}, {0, 5}}, 2, 50);
    RogerBeepWindow* w = open();
    const QString path = dir_.filePath(QStringLiteral("tone.wav"));
    chooser_->Answers.push_back(path);
    QTest::mouseClick(button(w, "CommandExport"), Qt::LeftButton);
    ASSERT_EQ(chooser_->Calls.size(), 1u);
    EXPECT_TRUE(chooser_->Calls[0].Save);
    EXPECT_EQ(chooser_->Calls[0].Title, QStringLiteral("Export WAV…"));
    EXPECT_EQ(chooser_->Calls[0].Filter, QStringLiteral("Wave File (*.wav)"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // 1.3 s of 16-bit mono at 44100 Hz after the 44-byte header.
    EXPECT_EQ(bytes.size(), 44 + 2 * 57330);
    EXPECT_TRUE(bytes.startsWith("RIFF"));

    chooser_->Answers.push_back(std::nullopt);  // Cancel
    QTest::mouseClick(button(w, "CommandExport"), Qt::LeftButton);
    EXPECT_TRUE(Asked.empty());
}

TEST_F(RogerBeepWindowTest, ExportThatCannotWriteSaysSo) {
    StartWithToneWindows("zh_CN");
    define(1, {{100, 10}});
    RogerBeepWindow* w = open();
    const QString path = dir_.filePath(QStringLiteral("missing/tone.wav"));
    chooser_->Answers.push_back(path);
    Answer({MessageAnswer::Ok});
    QTest::mouseClick(button(w, "CommandExport"), Qt::LeftButton);
    ASSERT_EQ(Asked.size(), 1u);
    // The reason follows, in the interface's language.
    EXPECT_EQ(Asked[0].Shown,
              "无法写入声音文件。\n" + path.toStdString() + "：文件或其文件夹不存在");
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(RogerBeepWindowTest, TreeOpensTheWindow) {
    StartWithToneWindows();
    clickTreeNode("N12");
    const auto names = openEditors();
    EXPECT_NE(std::find(names.begin(), names.end(), kRogerBeepWindow), names.end());
}

}  // namespace
}  // namespace kv::test
