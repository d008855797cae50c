// The edit entry through the real windows and the real data files: each window's edit undoes to
// the document as it was and redoes to the document after it, named in the current language;
// the window of the restored edit comes to the front; 200 edits undo to the opened file byte for
// byte; block window Saves; a fresh history after Open; the title's modified marker.
#include "gui/document_editor.h"

#include <QFile>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <functional>

#include "app/ui/main_window.h"
#include "files/data_file_layout.h"
#include "gui/editors/channels/channel_fixture.h"
#include "model/no_edit_members.h"

namespace kv::test {
namespace {

// The working data as the data files store it, positions (CurrentGroup, GroupCurrentChannel)
// left out: they are where the user looked and no undo moves them.
std::vector<std::uint8_t> WorkingBytes(const Document& doc) {
    auto config = std::make_unique<ConfigRecord>(doc.Working.Config);
    ClearPositions(*config);
    std::vector<std::uint8_t> bytes;
    WriteConfigRecord(*config, bytes);
    for (const auto& band : doc.Working.Store.Channels)
        for (const auto& slot : band)
            for (const ChannelRecord& record : slot) WriteChannelRecord(record, bytes);
    for (const ChannelRecord& record : doc.Working.Store.CbMemChannels)
        WriteChannelRecord(record, bytes);
    return bytes;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

class UndoTest : public ChannelWindowTest {
public:
    DocumentEditor& editor() { return main().Editor(); }
    QWidget* open(const char* name) { return main().OpenEditor(QString::fromLatin1(name)); }
    QString activeWindow() {
        QMdiSubWindow* sub = main().mdiArea()->activeSubWindow();
        return sub && sub->widget() ? sub->widget()->objectName() : QString();
    }
    // The user picks the entry after the current one of the list `name` in `window`.
    static void PickNext(QWidget* window, const char* name) {
        auto* box = window->findChild<QComboBox*>(QString::fromLatin1(name));
        ASSERT_NE(box, nullptr) << name;
        ASSERT_GT(box->count(), 1) << name;
        Pick(box, (box->currentIndex() + 1) % box->count());
    }
    // True when File → Exit asks to save (Exit's own question, answered Cancel).
    bool exitAsks() {
        const std::size_t before = Asked.size();
        Answer({MessageAnswer::Cancel});
        main().ConfirmDiscardOrSave();
        const bool asked = Asked.size() > before;
        if (!asked) answers_.clear();
        return asked;
    }
    // Saves the document as `name` in the scratch folder; the path of its data file.
    QString saveAs(const char* name) {
        const QString path = dir_.filePath(QString::fromLatin1(name));
        chooser_->Answers.push_back(path);
        EXPECT_TRUE(main().FileSaveAs());
        return path;
    }
    static QString Companion(const QString& dat) { return dat.left(dat.size() - 3) + "fre"; }
};

// ---- Each window's edit ----------------------------------------------------------------------

struct WindowCase {
    const char* Name;
    const char* Window;  // the window that shows the edit after an undo
    std::function<void(UndoTest&)> Edit;
    std::function<void(UndoTest&)> Prepare = nullptr;  // what the edit needs before it
    // What the window must show once the edit is undone (true) or redone (false).
    std::function<void(UndoTest&, bool)> Shows = nullptr;
};

class WindowEditUndo : public UndoTest, public ::testing::WithParamInterface<WindowCase> {
public:
    // Gives the fixture's helpers to the case table.
    void Type(int row, const char* keys) { TypeFrequency(row, QString::fromLatin1(keys)); }
    void Show(int band, int group) { ShowBandGroup(band, group); }
    QWidget* Open(const char* name) { return open(name); }
    QComboBox* Detail(int box) { return combo(("Combo8_" + std::to_string(box)).c_str()); }
    static void Choose(QComboBox* box, int index) { Pick(box, index); }
    void Row(int row) { SelectRow(row); }
    QTableView* Grid() { return grid(); }
    QComboBox* Band() { return combo("Combo2"); }
    int StoredBand() { return doc().config().BandMode; }
    QString Title() { return main().windowTitle(); }
};

const WindowCase kWindowCases[] = {
    {"ChannelGridFrequency", kChannelWindow,
     [](UndoTest& t) {
         auto& w = static_cast<WindowEditUndo&>(t);
         w.Type(7, "28.125");
     }},
    {"DetailsPanel", kChannelWindow,
     [](UndoTest& t) {
         auto& w = static_cast<WindowEditUndo&>(t);
         w.Row(1);
         WindowEditUndo::Choose(w.Detail(17), (w.Detail(17)->currentIndex() + 1) % 3);
     },
     [](UndoTest& t) { static_cast<WindowEditUndo&>(t).Type(1, "28.11"); }},
    {"ListPaste", kChannelWindow,
     [](UndoTest& t) {
         auto& w = static_cast<WindowEditUndo&>(t);
         w.Row(2);
         QTest::keyClick(w.Grid(), Qt::Key_C, Qt::ControlModifier);
         w.Row(11);
         QTest::keyClick(w.Grid(), Qt::Key_V, Qt::ControlModifier);
     },
     [](UndoTest& t) { static_cast<WindowEditUndo&>(t).Type(2, "28.25"); }},
    // The band box and the title follow the restored band, so that Save writes what is shown.
    {"BandPick", kChannelWindow,
     [](UndoTest& t) {
         auto& w = static_cast<WindowEditUndo&>(t);
         WindowEditUndo::Choose(w.Band(), kBandHf);
     },
     nullptr,
     [](UndoTest& t, bool undone) {
         auto& w = static_cast<WindowEditUndo&>(t);
         const int band = undone ? kBandHam : kBandHf;
         EXPECT_EQ(w.StoredBand(), band);
         EXPECT_EQ(w.Band()->currentIndex(), band);
         const QString range = undone ? QStringLiteral("28.0000 - 29.7000 MHz")
                                      : QStringLiteral("24.7150 - 30.1050 MHz");
         EXPECT_TRUE(w.Title().contains(range)) << w.Title().toStdString();
     }},
    {"GroupName", kGroupNameWindow,
     [](UndoTest& t) {
         auto& w = static_cast<WindowEditUndo&>(t);
         QWidget* names = w.Open(kGroupNameWindow);
         auto* grid = names->findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1"));
         grid->setFocus();
         grid->setCurrentCell(2, 2);
         QTest::keyClick(grid, Qt::Key_Return);
         for (int half = 0; half < 2; ++half) {
             auto* box = names->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(half));
             box->clear();
             QTest::keyClicks(box, half == 0 ? QStringLiteral("Q") : QStringLiteral("Z"));
             QTest::keyClick(box, Qt::Key_Return);
         }
     }},
    {"EmergencySave", kEmergencyWindow,
     [](UndoTest& t) {
         auto& w = static_cast<WindowEditUndo&>(t);
         QWidget* window = w.Open(kEmergencyWindow);
         UndoTest::PickNext(window, "Combo1_0");
         QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdSave")),
                           Qt::LeftButton);
     }},
    {"WeatherSetting", kWeatherWindow,
     [](UndoTest& t) {
         auto& w = static_cast<WindowEditUndo&>(t);
         UndoTest::PickNext(w.Open(kWeatherWindow), "Combo5");
     }},
    {"Setting", kSettingsWindow,
     [](UndoTest& t) {
         auto& w = static_cast<WindowEditUndo&>(t);
         UndoTest::PickNext(w.Open(kSettingsWindow), "Tot");
     }},
    {"PublicParameters", kSettingsWindow,
     [](UndoTest& t) {
         auto& w = static_cast<WindowEditUndo&>(t);
         UndoTest::PickNext(w.Open(kSettingsWindow), "HfPublic");
     }},
    {"Tone", kRogerBeepWindow,
     [](UndoTest& t) {
         auto& w = static_cast<WindowEditUndo&>(t);
         UndoTest::PickNext(w.Open(kRogerBeepWindow), "cboFreq_1");
     }},
    {"DtmfEncode", kDtmfWindow,
     [](UndoTest& t) {
         auto& w = static_cast<WindowEditUndo&>(t);
         UndoTest::PickNext(w.Open(kDtmfWindow), "Combo1_0");
     }},
};

TEST_P(WindowEditUndo, UndoesToTheDocumentBeforeAndRedoesToTheOneAfter) {
    StartWithBands();
    ShowBandGroup(kBandHam, 1);
    if (GetParam().Prepare) GetParam().Prepare(*this);
    const int steps = editor().UndoCount();
    const std::vector<std::uint8_t> before = WorkingBytes(doc());
    GetParam().Edit(*this);
    const std::vector<std::uint8_t> after = WorkingBytes(doc());
    ASSERT_NE(before, after);
    ASSERT_EQ(editor().UndoCount(), steps + 1);
    EXPECT_TRUE(action("mnuUndo")->isEnabled());
    EXPECT_FALSE(action("mnuRedo")->isEnabled());

    trigger("mnuUndo");
    EXPECT_EQ(WorkingBytes(doc()), before);
    EXPECT_EQ(activeWindow(), QString::fromLatin1(GetParam().Window));
    EXPECT_TRUE(action("mnuRedo")->isEnabled());
    if (GetParam().Shows) GetParam().Shows(*this, true);
    trigger("mnuRedo");
    EXPECT_EQ(WorkingBytes(doc()), after);
    if (GetParam().Shows) GetParam().Shows(*this, false);
    trigger("mnuUndo");
    EXPECT_EQ(WorkingBytes(doc()), before);
    if (GetParam().Shows) GetParam().Shows(*this, true);
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowEditUndo, ::testing::ValuesIn(kWindowCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// ---- Names, keys and the window of the edit -----------------------------------------------------

TEST_F(UndoTest, NamesTheEditInTheCurrentLanguageAndShowsItsRow) {
    StartWithBands();
    ShowBandGroup(kBandHf, 1);
    const QString group = combo("Combo6")->currentText();
    TypeFrequency(7, QStringLiteral("25.125"));
    TypeFrequency(7, QStringLiteral("25.135"));
    const int edited = editor().UndoCount();
    EXPECT_EQ(action("mnuUndo")->text(), QStringLiteral("Undo Frequency, HF %1, CH 7").arg(group));
    state().CurrentLanguage = kLanguageChinese;
    main().Change_Language();
    EXPECT_EQ(action("mnuUndo")->text(), QStringLiteral("撤销 频率, HF %1, 信道 7").arg(group));
    state().CurrentLanguage = kLanguageEnglish;
    main().Change_Language();

    // The user looks elsewhere; undo shows the band, group and row of the change again.
    ShowBandGroup(kBandHam, 3);
    while (editor().UndoCount() > edited - 1) trigger("mnuUndo");
    EXPECT_EQ(combo("Combo2")->currentIndex(), kBandHf);
    EXPECT_EQ(combo("Combo6")->currentIndex(), 0);
    EXPECT_EQ(grid()->currentIndex().row(), 6);
    EXPECT_EQ(action("mnuRedo")->text(), QStringLiteral("Redo Frequency, HF %1, CH 7").arg(group));
}

// A group name with bytes the code page cannot show is named in the Edit menu as the group
// selector shows it, not as "�".
TEST_F(UndoTest, NamesAGroupAsTheSelectorShowsIt) {
    StartWithBands();
    doc().Working.Config.Settings.GroupName(kBandHf, 2).assign("\xE7\x81");
    main().Editor().Reset();
    ShowBandGroup(kBandHf, 2);
    const QString shown = combo("Combo6")->currentText();
    EXPECT_EQ(shown, QStringLiteral("\u00E7\\x81"));
    TypeFrequency(3, QStringLiteral("25.125"));
    const QString undo = action("mnuUndo")->text();
    EXPECT_TRUE(undo.endsWith(QStringLiteral(", HF %1, CH 3").arg(shown))) << undo.toStdString();
}

TEST_F(UndoTest, KeysUndoAndRedoEveryStepUntilANewEdit) {
    StartWithBands();
    ShowBandGroup(kBandHam, 1);
    const int steps = editor().UndoCount();
    const std::vector<std::uint8_t> start = WorkingBytes(doc());
    std::vector<std::vector<std::uint8_t>> states;
    for (const char* freq : {"28.1", "28.2", "28.3", "28.4"}) {
        TypeFrequency(3, QString::fromLatin1(freq));
        states.push_back(WorkingBytes(doc()));
    }
    grid()->setFocus();
    for (int i = 0; i < 4; ++i) QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(WorkingBytes(doc()), start);
    EXPECT_EQ(editor().UndoCount(), steps);
    QTest::keyClick(grid(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(WorkingBytes(doc()), states[0]);
    QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(WorkingBytes(doc()), states[1]);
    trigger("mnuRedo");
    trigger("mnuRedo");
    EXPECT_EQ(WorkingBytes(doc()), states[3]);
    EXPECT_FALSE(action("mnuRedo")->isEnabled());

    trigger("mnuUndo");
    trigger("mnuUndo");
    TypeFrequency(5, QStringLiteral("28.9"));
    EXPECT_FALSE(action("mnuRedo")->isEnabled());
}

// ---- Block windows ------------------------------------------------------------------------------

TEST_F(UndoTest, ABlockSaveOfNothingRecordsAndAnnouncesNothingAndCopiesSurviveAnUndo) {
    StartWithBands();
    ShowBandGroup(kBandHam, 1);
    TypeFrequency(4, QStringLiteral("28.44"));
    const int steps = editor().UndoCount();
    QSignalSpy edits(&main(), &MainWindow::documentEdited);
    QWidget* emergency = open(kEmergencyWindow);
    QTest::mouseClick(emergency->findChild<QPushButton*>(QStringLiteral("cmdSave")),
                      Qt::LeftButton);
    EXPECT_EQ(editor().UndoCount(), steps);
    EXPECT_EQ(edits.count(), 0);

    // A pick not yet saved is the window's own: an undo of the document keeps it.
    QWidget* dualWatch = open(kDualWatchWindow);
    PickNext(dualWatch, "Combo1_0");
    auto* list = dualWatch->findChild<QComboBox*>(QStringLiteral("Combo1_0"));
    const QString picked = list->currentText();
    const std::vector<std::uint8_t> unsaved = WorkingBytes(doc());
    trigger("mnuUndo");
    EXPECT_NE(WorkingBytes(doc()), unsaved);
    EXPECT_EQ(list->currentText(), picked);
}

// ---- History and files --------------------------------------------------------------------------

TEST_F(UndoTest, TwoHundredEditsUndoToTheSavedFileByteForByte) {
    StartWithBands();
    ShowBandGroup(kBandHf, 2);
    const QString opened = saveAs("opened.dat");
    const int steps = editor().UndoCount();
    for (int i = 0; i < 200; ++i)
        TypeFrequency(1 + i % 40, QStringLiteral("25.%1").arg(100 + i, 3, 10, QLatin1Char('0')));
    ASSERT_EQ(editor().UndoCount(), steps + 200);
    for (int i = 0; i < 200; ++i) trigger("mnuUndo");
    EXPECT_EQ(editor().UndoCount(), steps);
    EXPECT_FALSE(main().isWindowModified());
    EXPECT_FALSE(exitAsks());
    const QString saved = saveAs("undone.dat");
    EXPECT_EQ(FileBytes(saved), FileBytes(opened));
    EXPECT_EQ(FileBytes(Companion(saved)), FileBytes(Companion(opened)));
}

TEST_F(UndoTest, TheMarkerShowsExactlyWhenExitAsks) {
    StartWithBands();
    ShowBandGroup(kBandHam, 1);
    saveAs("marker.dat");
    EXPECT_TRUE(main().windowTitle().endsWith(QStringLiteral("[*]")));
    const auto check = [this](bool modified) {
        EXPECT_EQ(main().isWindowModified(), modified);
        EXPECT_EQ(exitAsks(), modified);
    };
    check(false);
    TypeFrequency(2, QStringLiteral("28.22"));
    check(true);
    trigger("mnuUndo");
    check(false);
    trigger("mnuRedo");
    check(true);
    // A save that fails leaves the marker; a save clears it.
    chooser_->Answers.push_back(dir_.filePath(QStringLiteral("missing/folder/x.dat")));
    Answer({MessageAnswer::Ok});
    EXPECT_FALSE(main().FileSaveAs());
    check(true);
    saveAs("marker.dat");
    check(false);
    // Undoing past the save changes the document again.
    trigger("mnuUndo");
    check(true);
}

}  // namespace
}  // namespace kv::test
