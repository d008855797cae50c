// The main window's frame: placement, background, tree panel, splitter, view items, the radio
// commands and the About windows.
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include "app/main_window_tables.h"
#include "app/twips.h"
#include "app/ui/about_window.h"
#include "app/ui/tree_panel.h"
#include "gui/link_commands.h"
#include "shell_fixture.h"

namespace kv::test {
namespace {

using MainWindowLayoutTest = ShellTest;

TEST_F(MainWindowLayoutTest, PlacementIsRestoredAndSavedUnlessMinimised) {
    {
        QSettings ini(placementPath(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Settings/MainLeft"), QStringLiteral("1500"));
        ini.setValue(QStringLiteral("Settings/MainTop"), QStringLiteral("750"));
        ini.setValue(QStringLiteral("Settings/MainWidth"), QStringLiteral("9000"));
        ini.setValue(QStringLiteral("Settings/MainHeight"), QStringLiteral("6000"));
    }
    Start();
    const int dpiX = main().logicalDpiX();
    const int dpiY = main().logicalDpiY();
    EXPECT_EQ(main().pos(), QPoint(TwipsToPixels(1500, dpiX), TwipsToPixels(750, dpiY)));
    EXPECT_EQ(main().size(), QSize(TwipsToPixels(9000, dpiX), TwipsToPixels(6000, dpiY)));

    main().show();
    main().move(TwipsToPixels(3000, dpiX), TwipsToPixels(1500, dpiY));
    main().resize(TwipsToPixels(12000, dpiX), TwipsToPixels(9000, dpiY));
    ASSERT_TRUE(main().close());
    PlacementStore store(placementPath());
    EXPECT_EQ(store.load(), (WindowPlacement{3000, 1500, 12000, 9000}));

    main().showMinimized();
    main().move(0, 0);
    ASSERT_TRUE(main().close());
    EXPECT_EQ(PlacementStore(placementPath()).load(), (WindowPlacement{3000, 1500, 12000, 9000}));
}

// Exit while maximized keeps the placement the window had before: starting again and exiting
// maximized, over and over, never moves it.
TEST_F(MainWindowLayoutTest, ExitWhileMaximizedKeepsThePlacement) {
    const WindowPlacement first{1500, 750, 9000, 6000};
    PlacementStore(placementPath()).save(first);
    for (int run = 0; run < 3; ++run) {
        SCOPED_TRACE(run);
        Start();
        main().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
        main().showMaximized();
        QTest::qWait(20);
        ASSERT_TRUE(main().isMaximized());
        ASSERT_TRUE(main().close());
        EXPECT_EQ(PlacementStore(placementPath()).load(), first);
        app_.reset();
        FlushDeletes();
    }
}

// The offscreen screen is about as small as the windows are laid out for (800 x 600 or a little
// more): a placement that is larger, lies partly off it or is unreadable still puts the whole
// window on it.
TEST_F(MainWindowLayoutTest, TheMainWindowOpensWithinTheScreen) {
    struct Case {
        const char* left;
        const char* top;
        const char* width;
        const char* height;
    };
    const Case cases[] = {
        {"1500", "750", "not a number", "not a number"},  // the default size, larger
        {"6000", "4500", "9000", "6000"},                 // reaching past the far corner
        {"0", "0", "30000", "20000"},                     // from a larger screen
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        {
            QSettings ini(placementPath(), QSettings::IniFormat);
            ini.setValue(QStringLiteral("Settings/MainLeft"), QString::fromLatin1(c.left));
            ini.setValue(QStringLiteral("Settings/MainTop"), QString::fromLatin1(c.top));
            ini.setValue(QStringLiteral("Settings/MainWidth"), QString::fromLatin1(c.width));
            ini.setValue(QStringLiteral("Settings/MainHeight"), QString::fromLatin1(c.height));
        }
        Start();
        const QRect screen = main().screen()->availableGeometry();
        ASSERT_TRUE(screen.width() >= 800 && screen.width() < 900 && screen.height() >= 600 &&
                    screen.height() < 900);
        EXPECT_TRUE(screen.contains(main().geometry()))
            << main().geometry().x() << "," << main().geometry().y() << " " << main().width() << "x"
            << main().height();
        EXPECT_FALSE(main().isMaximized());
        app_.reset();
    }
}

TEST_F(MainWindowLayoutTest, BackgroundIsTheLanguagesPictureOrPlainWhenMissing) {
    Start();
    EXPECT_EQ(main().mdiArea()->background().style(), Qt::SolidPattern);

    ASSERT_TRUE(QDir(programFolder()).mkpath(QStringLiteral("PIC")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KV_SOURCE_DIR "/data/PIC/BK_1.jpg"),
                            programFolder() + QStringLiteral("/PIC/BK_1.jpg")));
    main().LoadBKPic();
    const QBrush tiled = main().mdiArea()->background();
    EXPECT_EQ(tiled.style(), Qt::TexturePattern);
    const QImage picture(programFolder() + QStringLiteral("/PIC/BK_1.jpg"));
    EXPECT_EQ(tiled.textureImage().size(), picture.size() - QSize(2, 2));
}

TEST_F(MainWindowLayoutTest, EveryToolbarButtonHasItsOwnPictureDimmedWhenDisabled) {
    Start();
    std::vector<QImage> pictures;
    for (const auto& row : ToolbarRows()) {
        if (row.Kind == ToolbarRow::Separator) continue;
        const QIcon icon = action(row.ObjectName)->icon();
        const QImage normal = icon.pixmap(QSize(24, 24)).toImage();
        const QImage disabled = icon.pixmap(QSize(24, 24), QIcon::Disabled).toImage();
        ASSERT_EQ(normal.size(), QSize(24, 24)) << row.ObjectName;
        // The centre of every picture is drawn on.
        EXPECT_GT(qAlpha(normal.pixel(12, 13)), 200) << row.ObjectName;
        EXPECT_LT(qAlpha(disabled.pixel(12, 13)), qAlpha(normal.pixel(12, 13))) << row.ObjectName;
        for (const QImage& other : pictures) EXPECT_NE(normal, other) << row.ObjectName;
        pictures.push_back(normal);
        // Drawn at the size asked for, not scaled from a small one.
        EXPECT_EQ(icon.pixmap(QSize(48, 48)).size(), QSize(48, 48)) << row.ObjectName;
    }
}

TEST_F(MainWindowLayoutTest, TreeNodesOpenTheirWindowsAndTheRootNothing) {
    Start();
    auto* tree = main().findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), QStringLiteral("KV-7700"));
    EXPECT_TRUE(root->isExpanded());
    ASSERT_EQ(root->childCount(), 9);
    EXPECT_EQ(root->child(0)->text(0), QStringLiteral("Channel Information"));
    EXPECT_EQ(root->child(2)->text(0), QStringLiteral("Roger Beep"));
    EXPECT_EQ(root->child(8)->text(0), QStringLiteral("Group Name"));

    emit tree->itemClicked(root, 0);
    EXPECT_EQ(openEditors().size(), 1u);
    emit tree->itemClicked(root->child(4), 0);  // Emg Channel Setting
    emit tree->itemClicked(root->child(0), 0);  // already open: comes to the front
    EXPECT_EQ(openEditors(), (std::vector<std::string>{kChannelWindow, kEmergencyWindow}));
    EXPECT_EQ(main().mdiArea()->activeSubWindow()->widget()->objectName(),
              QString::fromLatin1(kChannelWindow));
}

TEST_F(MainWindowLayoutTest, ViewItemsAndTheTreeCloseButtonToggleTheirPanels) {
    Start();
    main().show();
    auto* tree = main().findChild<TreePanel*>(QStringLiteral("picTree"));
    ASSERT_TRUE(tree->isVisible());
    main().findChild<QAction*>(QStringLiteral("删除"))->trigger();
    EXPECT_FALSE(tree->isVisible());
    EXPECT_FALSE(action("mnuViewTree")->isChecked());
    trigger("mnuViewTree");
    EXPECT_TRUE(tree->isVisible());

    trigger("mnuViewToolbar");
    EXPECT_FALSE(main().findChild<QToolBar*>(QStringLiteral("Toolbar1"))->isVisible());
    trigger("mnuViewStatusBar");
    EXPECT_FALSE(main().statusBar()->isVisible());
    EXPECT_FALSE(action("mnuViewStatusBar")->isChecked());
}

TEST_F(MainWindowLayoutTest, TheSplitterKeepsTheTreePanelAtLeast300TwipsWide) {
    Start();
    main().show();
    auto* splitter = main().findChild<QSplitter*>(QStringLiteral("imgSplitter"));
    splitter->setSizes({1, main().width()});
    EXPECT_EQ(splitter->sizes().at(0), TwipsToPixels(300, main().logicalDpiX()));
}

TEST_F(MainWindowLayoutTest, CloseAllWindowsAndCascade) {
    Start();
    main().OpenEditor(QString::fromLatin1(kGroupNameWindow));
    trigger("mnuWindowCascade");
    EXPECT_EQ(openEditors().size(), 2u);
    trigger("mnuWindowCloseAll");
    EXPECT_TRUE(openEditors().empty());
}

TEST_F(MainWindowLayoutTest, AnEditorLargerThanTheFrameCanBeScrolledIntoView) {
    Start();
    main().show();
    main().resize(800, 600);
    QWidget* editor = main().OpenEditor(QString::fromLatin1(kEmergencyWindow));
    ASSERT_NE(editor, nullptr);
    QMdiSubWindow* sub = main().mdiArea()->activeSubWindow();
    sub->resize(main().mdiArea()->viewport()->size() + QSize(300, 300));
    QCoreApplication::processEvents();
    QScrollBar* vertical = main().mdiArea()->verticalScrollBar();
    QScrollBar* horizontal = main().mdiArea()->horizontalScrollBar();
    EXPECT_TRUE(vertical->isVisible());
    EXPECT_TRUE(horizontal->isVisible());
    vertical->setValue(vertical->maximum());
    horizontal->setValue(horizontal->maximum());
    QCoreApplication::processEvents();
    // The window's far corner is now inside the frame.
    const QPoint farCorner = sub->mapTo(main().mdiArea()->viewport(), sub->rect().bottomRight());
    EXPECT_TRUE(main().mdiArea()->viewport()->rect().contains(farCorner));
}

// Whatever the logical screen: from 800 x 600 up the main window opens within it, below that it
// opens maximized. CTest runs this once more with QT_SCALE_FACTOR=2, which halves the offscreen
// screen to below 800 x 600.
TEST_F(MainWindowLayoutTest, SmallScreenMainWindowFitsOrOpensMaximized) {
    Start();
    const QRect screen = main().screen()->availableGeometry();
    const bool small = screen.width() < 800 || screen.height() < 600;
    main().show();
    QCoreApplication::processEvents();
    EXPECT_EQ(main().isMaximized(), small) << screen.width() << "x" << screen.height();
    const QRect placed = main().frameGeometry();
    EXPECT_TRUE(screen.contains(placed))
        << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height();
}

// On a small screen the channel window keeps the size its content needs laid out; the frame's
// area scrolls instead of squeezing its lists.
TEST_F(MainWindowLayoutTest, TheChannelWindowIsNeverSqueezedBelowItsContent) {
    Start("en_US", false);
    main().show();
    main().resize(520, 380);
    main().CloseAllEditors();
    QWidget* editor = main().OpenEditor(QString::fromLatin1(kChannelWindow));
    ASSERT_NE(editor, nullptr);
    QCoreApplication::processEvents();
    QMdiSubWindow* sub = main().mdiArea()->activeSubWindow();
    const QSize needed = sub->minimumSizeHint();
    EXPECT_GE(sub->width(), needed.width());
    EXPECT_GE(sub->height(), needed.height());
    EXPECT_TRUE(main().mdiArea()->verticalScrollBar()->isVisible());
}

TEST_F(MainWindowLayoutTest, SystemInformationThatCannotStartSaysSo) {
    AboutWindow chinese(kLanguageChinese, dir_.filePath(QStringLiteral("no-such-tool")));
    Answer({MessageAnswer::Ok});
    chinese.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Shown, "此时系统信息不可用");
}

TEST_F(MainWindowLayoutTest, WindowMenuListsTheOpenWindows) {
    Start();
    main().OpenEditor(QString::fromLatin1(kWeatherWindow));
    QMenu* menu = main().findChild<QMenu*>(QStringLiteral("mnuWindow"));
    emit menu->aboutToShow();
    QStringList listed;
    for (QAction* a : menu->actions())
        if (a->isCheckable()) listed << a->text();
    EXPECT_EQ(listed, (QStringList{QString::fromLatin1(kChannelWindow),
                                   QString::fromLatin1(kWeatherWindow)}));
    emit menu->aboutToShow();  // listed once, not again
    int checkable = 0;
    for (QAction* a : menu->actions()) checkable += a->isCheckable();
    EXPECT_EQ(checkable, 2);
}

class CountingLink : public LinkCommands {
public:
    int Reads = 0, Writes = 0, Ports = 0;
    void ReadFromRadio() override { ++Reads; }
    void WriteToRadio() override { ++Writes; }
    void CommunicationPort() override { ++Ports; }
};

TEST_F(MainWindowLayoutTest, RadioCommandsGoToTheLinkWhenThereIsOne) {
    Start();
    CountingLink link;
    main().SetLinkCommands(&link);
    for (const char* name : {"mnuReadFromRadio", "tbrReadRadio", "mnuWriteToRadio", "tbrWriteRadio",
                             "mnuCommPort", "tbrCommSet"})
        trigger(name);
    EXPECT_EQ(link.Reads, 2);
    EXPECT_EQ(link.Writes, 2);
    EXPECT_EQ(link.Ports, 2);
    main().SetLinkCommands(nullptr);
}

TEST(AboutWindow, OneWindowPerLanguageWithTheProgramVersion) {
    AboutWindow english(kLanguageEnglish, QStringLiteral("/usr/bin/true"));
    EXPECT_EQ(english.windowTitle(), QStringLiteral("About KV-7700"));
    EXPECT_EQ(english.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
              QStringLiteral("Version 2.0.5"));
    EXPECT_EQ(english.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(),
              QStringLiteral("KV-7700"));
    EXPECT_EQ(english.findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), nullptr);

    AboutWindow chinese(kLanguageChinese, QStringLiteral("/usr/bin/true"));
    EXPECT_EQ(chinese.windowTitle(), QStringLiteral("关于 KV-7700"));
    EXPECT_EQ(chinese.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
              QStringLiteral("版本 2.0.5"));
    auto* info = chinese.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->text(), QStringLiteral("系统信息(&S)..."));

    AboutWindow withoutTool(kLanguageChinese, QString());
    EXPECT_EQ(withoutTool.findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), nullptr);
}

// The disclaimer wraps over several lines; at the size the window opens with, every line shows.
TEST(AboutWindow, TheWholeDisclaimerShowsAtTheOpeningSize) {
    for (const int language : {kLanguageEnglish, kLanguageChinese}) {
        AboutWindow window(language, QString());
        window.show();
        QApplication::processEvents();
        const auto* disclaimer = window.findChild<QLabel*>(QStringLiteral("lblDisclaimer"));
        ASSERT_NE(disclaimer, nullptr);
        EXPECT_GE(disclaimer->height(), disclaimer->heightForWidth(disclaimer->width()))
            << "language " << language;
        EXPECT_GT(disclaimer->heightForWidth(disclaimer->width()),
                  2 * disclaimer->fontMetrics().height())
            << "the text wraps";
    }
}

}  // namespace
}  // namespace kv::test
