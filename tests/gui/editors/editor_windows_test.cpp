// The editor windows on the started application with every real window: stored values the lists
// do not hold are shown as themselves, a changed block window asks before anything discards its
// copy, cleared references are told, every window fits the room it has, an editor's mnemonics
// win over the menu bar's, and the language window offers both languages.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/shared_messages.h"
#include "app/ui/language_window.h"
#include "editors/blocks/block_windows.h"
#include "editors/channels/ui/details_panel.h"
#include "editors/tones/tone_texts.h"
#include "editors/tones/ui/roger_beep_window.h"
#include "editors/tones/ui/tone_player.h"
#include "gui/editors/tones/tone_windows_fixture.h"

namespace kv::test {
namespace {

class EditorWindowsTest : public ToneWindowsTest {
protected:
    void SetUp() override {
        ToneWindowsTest::SetUp();
        StartWithToneWindows("en_US");
    }
    void setLanguage(int language) {
        state().CurrentLanguage = language;
        state().LanguageShownByMainWindow = language;
    }
    QWidget* open(const char* name) { return main().OpenEditor(QString::fromLatin1(name)); }
    QComboBox* list(const char* window, const char* name) {
        QWidget* editor = main().FindEditor(QString::fromLatin1(window));
        return editor == nullptr ? nullptr : child<QComboBox>(editor, QString::fromLatin1(name));
    }
    // The user picks the entry at `position`, as a choice in the open list reports it.
    static void pick(QComboBox* box, int position) {
        box->setCurrentIndex(position);
        emit box->activated(position);
    }
    static QMdiSubWindow* frameOf(QWidget* editor) {
        return qobject_cast<QMdiSubWindow*>(editor->parentWidget());
    }
    ToneRecord& tone(int n) { return doc().config().ToneTable[static_cast<std::size_t>(n - 1)]; }
    void defineTone(int n, int repeat) {
        tone(n) = {};
        tone(n).Steps[0] = {100, 10};
        tone(n).ToneRepeat = static_cast<i16>(repeat);
    }
};

// Every window's lists show a stored value no entry holds as itself: the last entry, selected,
// in the window's language. Picking that entry stores nothing; picking a real one stores it and
// the extra entry goes.
TEST_F(EditorWindowsTest, StoredValuesOutsideTheListsShowAsThemselves) {
    struct Case {
        const char* window;
        const char* list;
        std::function<void(Document&)> store;
        const char* en;
        const char* zh;
        std::function<int(const Document&)> stored;
    };
    const Case cases[] = {
        {kRogerBeepWindow, "cboRecycle",
         [](Document& d) { d.config().ToneTable[0].ToneRepeat = 229; }, "229 (not in the list)",
         "229（不在列表中）",
         [](const Document& d) { return int{d.config().ToneTable[0].ToneRepeat}; }},
        {kRogerBeepWindow, "cboFreq_1",
         [](Document& d) { d.config().ToneTable[0].Steps[0].ToneFreq = 30; },
         "300 (not in the list)", "300（不在列表中）",
         [](const Document& d) { return int{d.config().ToneTable[0].Steps[0].ToneFreq}; }},
        {kEmergencyWindow, "Combo1_0", [](Document& d) { d.config().EmgBlock[0] = 21; },
         "CH 22 (not in use)", "CH 22（未使用）",
         [](const Document& d) { return int{d.config().EmgBlock[0]}; }},
        {kDualWatchWindow, "Combo1_13", [](Document& d) { d.config().DwBlock[13] = 188; },
         "CH 189 (not in use)", "CH 189（未使用）",
         [](const Document& d) { return int{d.config().DwBlock[13]}; }},
        {kSettingsWindow, "HandType", [](Document& d) { d.settings().HandType = 123; },
         "123 (not in the list)", "123（不在列表中）",
         [](const Document& d) { return int{d.settings().HandType}; }},
        {kWeatherWindow, "Combo1", [](Document& d) { d.settings().WxCurrentChannel = 0; },
         "CH 1 (not in use)", "CH 1（未使用）",
         [](const Document& d) { return int{d.settings().WxCurrentChannel}; }},
        {kDtmfWindow, "Combo1_0", [](Document& d) { d.settings().DtmfParams[0] = 99; },
         "99 (not in the list)", "99（不在列表中）",
         [](const Document& d) { return int{d.settings().DtmfParams[0]}; }},
    };
    for (const int language : {kLanguageEnglish, kLanguageChinese}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.window) + " " + c.list + " " + std::to_string(language));
            setLanguage(language);
            c.store(doc());
            const int before = c.stored(doc());
            ASSERT_NE(open(c.window), nullptr);
            QComboBox* box = list(c.window, c.list);
            ASSERT_NE(box, nullptr);
            const QString expected = QString::fromUtf8(language == kLanguageEnglish ? c.en : c.zh);
            EXPECT_EQ(box->currentText(), expected);
            EXPECT_EQ(box->currentIndex(), box->count() - 1);
            EXPECT_EQ(box->findText(expected), box->count() - 1) << "shown once, at the end";
            // However narrow the window keeps the list, the whole text can be read.
            EXPECT_EQ(box->toolTip(), expected);
            Edits.clear();
            pick(box, box->count() - 1);
            EXPECT_EQ(c.stored(doc()), before);
            EXPECT_TRUE(Edits.empty());
            EXPECT_EQ(box->currentText(), expected);
            ASSERT_TRUE(main().CloseAllEditors());
            FlushDeletes();
        }
    }
}

// The channel details panel shows stored values the same way, in its language, and keeps them
// when its roger-beep and DTMF lists are rebuilt.
// The details panel keeps its width from a channel row to a CB memory row, whose captions are
// longer, so the grid beside it keeps its room and its scroll bar.
TEST_F(EditorWindowsTest, DetailsPanelKeepsItsWidthForCbMemoryRows) {
    for (const int language : {kLanguageEnglish, kLanguageChinese}) {
        SCOPED_TRACE(language);
        DetailsPanel panel;
        panel.SetLanguage(language);
        ChannelRecord record;
        DetailContext context;
        context.band = kBandCb;
        context.group = 1;
        panel.ShowRecord(record, context, QStringLiteral("CH 1"));
        panel.show();
        const int channelWidth = panel.sizeHint().width();
        context.cbMemoryRow = true;
        context.cbMemChoices = {1, 2};
        panel.ShowRecord(record, context, QStringLiteral("CH M1"));
        EXPECT_EQ(panel.sizeHint().width(), channelWidth);
    }
}

TEST_F(EditorWindowsTest, DetailsPanelShowsStoredValuesAsThemselves) {
    for (const int language : {kLanguageEnglish, kLanguageChinese}) {
        SCOPED_TRACE(language);
        const bool en = language == kLanguageEnglish;
        DetailsPanel panel;
        panel.SetLanguage(language);
        panel.SetRogerTones({1, 2});
        ChannelRecord record;
        record.RogerBeep = 9;
        record.MemMode = 6;
        record.MemChNo = 22;
        DetailContext context;
        context.band = kBandCb;
        context.cbMemoryRow = true;
        context.cbMemChoices = {3, 4};
        panel.ShowRecord(record, context, QString());
        EXPECT_EQ(panel.box(11)->currentText(),
                  QString::fromUtf8(en ? "9 (not in the list)" : "9（不在列表中）"));
        EXPECT_EQ(panel.box(12)->currentText(),
                  QString::fromUtf8(en ? "6 (not in the list)" : "6（不在列表中）"));
        EXPECT_EQ(panel.box(22)->currentText(),
                  QString::fromUtf8(en ? "CH 22 (not in use)" : "CH 22（未使用）"));
        panel.SetRogerTones({1, 2, 3});
        EXPECT_EQ(panel.box(11)->currentText(),
                  QString::fromUtf8(en ? "9 (not in the list)" : "9（不在列表中）"));
        EXPECT_EQ(panel.box(11)->count(), 5);
        panel.SetRogerTones({1, 9});
        EXPECT_EQ(panel.box(11)->currentText(), "9");
        EXPECT_EQ(panel.box(11)->count(), 3);
    }
}

// Group names with bytes the code page cannot show, or control characters, are told apart in
// the lists.
TEST_F(EditorWindowsTest, GroupNamesWithUnshowableBytesLookDifferent) {
    doc().settings().GroupName(kBandHf, 1).assign(std::string_view("\x81\x8D"));
    doc().settings().GroupName(kBandHf, 2).assign(std::string_view("\x8D\x81"));
    doc().settings().GroupName(kBandHf, 3).assign(std::string_view("A\t"));
    open(kEmergencyWindow);
    QComboBox* groups = list(kEmergencyWindow, "Combo1_28");
    ASSERT_NE(groups, nullptr);
    ASSERT_GE(groups->count(), 3);
    EXPECT_EQ(groups->itemText(0), "\\x81\\x8D");
    EXPECT_EQ(groups->itemText(1), "\\x8D\\x81");
    EXPECT_EQ(groups->itemText(2), "A\\x09");
}

// A picked entry replaces the shown value and the extra entry goes; a refresh brings it back
// only when the value is again one the list lacks.
TEST_F(EditorWindowsTest, PickingARealEntryRemovesTheShownValue) {
    defineTone(1, 229);
    defineTone(2, 1);
    open(kRogerBeepWindow);
    QComboBox* recycle = list(kRogerBeepWindow, "cboRecycle");
    ASSERT_EQ(recycle->count(), 12);
    pick(recycle, 3);
    EXPECT_EQ(tone(1).ToneRepeat, 3);
    EXPECT_EQ(recycle->count(), 11);
    EXPECT_EQ(recycle->currentText(), "3");
    tone(1).ToneRepeat = 50;
    main().DocumentEdited(DocumentEdit{EditSection::Tones});
    EXPECT_EQ(recycle->currentText(), "50 (not in the list)");
    EXPECT_EQ(recycle->count(), 12);
}

// The export writes what the window shows: a tone of 229 passes is long, so the progress window
// appears; cancelling it leaves no file behind. A tone that is not defined is not written at all.
TEST_F(EditorWindowsTest, ExportShowsProgressCancelsAndRefusesUndefinedTones) {
    defineTone(1, 229);
    tone(1).Steps[0].ToneTime = 255;  // 2.55 s a pass
    defineTone(2, 0);                 // not defined
    auto* window = static_cast<RogerBeepWindow*>(open(kRogerBeepWindow));
    const QString path = QDir(dir_.path()).filePath(QStringLiteral("long.wav"));
    chooser_->Answers.push_back(path);
    bool progressSeen = false;
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* progress = qobject_cast<QProgressDialog*>(top);
                progress != nullptr && progress->isVisible()) {
                progressSeen = true;
                progress->cancel();
            }
    });
    cancel.start(0);  // the first time the export lets events through
    QTest::mouseClick(child<QPushButton>(window, QStringLiteral("CommandExport")), Qt::LeftButton);
    cancel.stop();
    EXPECT_TRUE(progressSeen);
    EXPECT_TRUE(QDir(dir_.path())
                    .entryList({QStringLiteral("*long.wav*")}, QDir::Files | QDir::Hidden)
                    .isEmpty());
    EXPECT_TRUE(Asked.empty());

    child<QTabBar>(window, QStringLiteral("TabStrip1"))->setCurrentIndex(1);
    Answer({MessageAnswer::Ok});
    QTest::mouseClick(child<QPushButton>(window, QStringLiteral("CommandExport")), Qt::LeftButton);
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Text, ToneTexts().NothingToExport);
    EXPECT_EQ(chooser_->Calls.size(), 1u);
    EXPECT_FALSE(QFile::exists(path));
}

// Every way of closing a block window whose copy differs from the document asks first; Cancel
// keeps the window and stops what caused the close, Yes stores the copy, No drops it. On Exit
// the window's question comes before the document's.
TEST_F(EditorWindowsTest, ClosingAChangedBlockWindowAsks) {
    struct Close {
        const char* what;
        std::function<void()> run;
        std::function<bool()> stopped;  // true while what caused the close has not happened
    };
    const auto window = [this] { return main().FindEditor(QString::fromLatin1(kDualWatchWindow)); };
    // The document holds an unsaved edit throughout: on Exit the document's own question follows
    // the window's, and New, which lays the template over it, shows by this name whether it ran.
    CopyTemplates();
    doc().settings().GroupName(kBandHf, 1).assign("ZZ");
    const Close closes[] = {
        {"title bar", [&] { frameOf(window())->close(); }, [] { return true; }},
        {"Close All", [this] { trigger("mnuWindowCloseAll"); }, [] { return true; }},
        {"New", [this] { trigger("mnuFileNew"); },
         [this] { return doc().settings().GroupName(kBandHf, 1).trimmed() == "ZZ"; }},
        {"Open", [this] { trigger("mnuFileOpen"); }, [this] { return chooser_->Calls.empty(); }},
        {"language",
         [this] {
             state().CurrentLanguage = kLanguageChinese;
             QEvent activate(QEvent::WindowActivate);
             QApplication::sendEvent(&main(), &activate);
         },
         [this] { return state().CurrentLanguage == kLanguageEnglish; }},
        {"Exit", [this] { main().close(); }, [this] { return main().isVisible(); }},
    };
    // The block value the list Combo1_1 (a work mode) edits.
    const auto mode = static_cast<std::size_t>(DualWatchWindowDescription().Lists.at(1).Value);
    const auto changeCopy = [this, mode] {
        doc().config().DwBlock[mode] = 0;
        open(kDualWatchWindow);
        pick(list(kDualWatchWindow, "Combo1_1"), 2);  // USB, into the copy only
    };
    const TextPair& question = SaveWindowChangesQuestion();
    for (const Close& c : closes) {
        SCOPED_TRACE(c.what);
        changeCopy();
        Asked.clear();
        Answer({MessageAnswer::Cancel});
        c.run();
        FlushDeletes();
        ASSERT_EQ(Asked.size(), 1u);
        EXPECT_EQ(Asked[0].Text, question);
        EXPECT_NE(window(), nullptr);
        EXPECT_TRUE(c.stopped());
        EXPECT_EQ(doc().config().DwBlock[mode], 0);
        ASSERT_TRUE(main().isVisible());

        // Yes stores the copy first; on Exit the document's question follows (cancelled here).
        Asked.clear();
        Answer({MessageAnswer::Yes, MessageAnswer::Cancel});
        c.run();
        FlushDeletes();
        EXPECT_EQ(doc().config().DwBlock[mode], 2);
        ASSERT_GE(Asked.size(), 1u);
        EXPECT_EQ(Asked[0].Text, question);
        if (std::string(c.what) == "Exit") {
            ASSERT_EQ(Asked.size(), 2u);
            EXPECT_EQ(Asked[1].Text, SharedMessages().UnsavedChanges);
        }
        answers_.clear();
        state().CurrentLanguage = kLanguageEnglish;
        state().LanguageShownByMainWindow = kLanguageEnglish;
        ASSERT_TRUE(main().CloseAllEditors());
        FlushDeletes();

        // No drops the copy.
        changeCopy();
        Asked.clear();
        Answer({MessageAnswer::No});
        EXPECT_TRUE(main().CloseAllEditors());
        FlushDeletes();
        EXPECT_EQ(window(), nullptr);
        EXPECT_EQ(doc().config().DwBlock[mode], 0);
        EXPECT_EQ(Asked.size(), 1u);
    }
    // An unchanged copy closes without a word.
    open(kDualWatchWindow);
    Asked.clear();
    EXPECT_TRUE(main().CloseAllEditors());
    EXPECT_TRUE(Asked.empty());
}

// A tone edit that leaves the tone undefined clears its references and says how many, in the
// window's language.
TEST_F(EditorWindowsTest, ClearedToneReferencesAreTold) {
    const struct {
        int language;
        const char* text;
    } cases[] = {
        {kLanguageEnglish, "Tone 2 is no longer used by 9 channels and 2 public blocks."},
        {kLanguageChinese, "音 2 不再被 9 个信道和 2 个公共参数块使用。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        setLanguage(c.language);
        defineTone(1, 1);
        defineTone(2, 1);
        for (int slot = 1; slot <= 7; ++slot) doc().Working.channel(kBandHf, slot, 3).RogerBeep = 2;
        doc().Working.Store.cbMem(5).RogerBeep = 2;
        doc().Working.Store.cbMem(96).RogerBeep = 2;
        doc().settings().CbPublicParams.RogerBeep = 2;
        doc().settings().HamPublicParams.RogerBeep = 2;
        open(kRogerBeepWindow);
        child<QTabBar>(main().FindEditor(QString::fromLatin1(kRogerBeepWindow)),
                       QStringLiteral("TabStrip1"))
            ->setCurrentIndex(1);
        pick(list(kRogerBeepWindow, "cboRecycle"), 0);  // Off: tone 2 is no longer defined
        EXPECT_EQ(doc().settings().HamPublicParams.RogerBeep, 0);
        EXPECT_EQ(main().statusBar()->currentMessage(), QString::fromUtf8(c.text));
        main().CloseAllEditors();
        FlushDeletes();
    }
}

// At 1366×768 every editor opens inside the room the main window has for it, its buttons in
// sight without scrolling the main window's area, in both languages.
TEST_F(EditorWindowsTest, EveryEditorFitsAndKeepsItsButtonsInSight) {
    main().resize(1366, 768);
    QTest::qWait(1);
    const struct {
        const char* window;
        const char* button;
    } windows[] = {
        {kEmergencyWindow, "cmdSave"},      {kDualWatchWindow, "cmdSave"},
        {kMemoryKeyWindow, "cmdSave"},      {kSettingsWindow, "CommandClose"},
        {kRogerBeepWindow, "CommandClose"}, {kDtmfWindow, "CommandClose"},
        {kWeatherWindow, "CommandClose"},
    };
    for (const int language : {kLanguageEnglish, kLanguageChinese}) {
        setLanguage(language);
        for (const auto& w : windows) {
            SCOPED_TRACE(std::string(w.window) + " " + std::to_string(language));
            QWidget* editor = open(w.window);
            ASSERT_NE(editor, nullptr);
            QCoreApplication::processEvents();
            QWidget* viewport = main().mdiArea()->viewport();
            const QRect room = viewport->rect();
            EXPECT_TRUE(room.contains(frameOf(editor)->geometry()))
                << frameOf(editor)->geometry().bottom() << " > " << room.bottom();
            auto* button = child<QPushButton>(editor, QString::fromLatin1(w.button));
            ASSERT_NE(button, nullptr);
            EXPECT_TRUE(button->isVisibleTo(editor));
            const QRect place(button->mapTo(viewport, QPoint(0, 0)), button->size());
            EXPECT_TRUE(room.contains(place));
            ASSERT_TRUE(main().CloseAllEditors());
            FlushDeletes();
        }
    }
}

// Alt+P plays in the roger-beep window instead of opening the Program menu.
TEST_F(EditorWindowsTest, EditorMnemonicsWinOverTheMenuBar) {
    defineTone(1, 1);
    auto* window = static_cast<RogerBeepWindow*>(open(kRogerBeepWindow));
    QComboBox* recycle = list(kRogerBeepWindow, "cboRecycle");
    recycle->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return recycle->hasFocus(); }));
    QTest::keyClick(recycle, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(window->Player().IsPlaying());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_FALSE(window->Player().IsPlaying());
}

// Both languages are offered on every system.
TEST_F(EditorWindowsTest, LanguageWindowOffersBothLanguages) {
    for (const int system : {kLanguageEnglish, kLanguageChinese}) {
        state().SystemLanguage = system;
        LanguageWindow window(state(), app_->settings(), &main());
        auto* box = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->count(), 2) << system;
    }
}

// "NB/ANL" fits its list in the HF and HAM public frames, and the Bluetooth name box shows 16
// characters whole.
TEST_F(EditorWindowsTest, SettingsListsAndNameBoxFitTheirTexts) {
    QWidget* settings = open(kSettingsWindow);
    for (const char* name : {"HfNbAnl", "HamNbAnl"}) {
        auto* box = child<QComboBox>(settings, QString::fromLatin1(name));
        ASSERT_NE(box, nullptr);
        const int entry = box->findText(QStringLiteral("NB/ANL"));
        ASSERT_GE(entry, 0) << name;
        box->setCurrentIndex(entry);
        EXPECT_GE(box->width(), box->sizeHint().width()) << name;
    }
    auto* name = child<QLineEdit>(settings, QStringLiteral("BtDeviceName"));
    ASSERT_NE(name, nullptr);
    const QString sixteen(16, QLatin1Char('W'));
    name->setText(sixteen);
    EXPECT_LE(name->fontMetrics().horizontalAdvance(sixteen), name->contentsRect().width() -
                                                                  name->textMargins().left() -
                                                                  name->textMargins().right() - 4);
}

}  // namespace
}  // namespace kv::test
