// The started application with its real windows, for the roger-beep and DTMF windows' tests.
#pragma once

#include <QMdiSubWindow>
#include <QTest>
#include <QWidget>
#include <functional>
#include <vector>

#include "app/main_window_tables.h"
#include "gui/app/shell_fixture.h"
#include "model/document_edit.h"

namespace kv::test {

class ToneWindowsTest : public ShellTest {
protected:
    // The started program with every window it registers.
    void StartWithToneWindows(const std::string& localeName = "en_US") {
        StartupOptions options;
        options.Folders = ProgramFolders::ForProgramFolder(programFolder());
        options.Locale = LocaleFactsFor(localeName);
        options.Placement = std::make_shared<PlacementStore>(placementPath());
        options.Chooser = chooser_;
        app_ = std::make_unique<Application>(options);
        main().show();
        main().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main()));
        QObject::connect(&main(), &MainWindow::documentEdited,
                         [this](const DocumentEdit& edit) { Edits.push_back(edit); });
    }

    // Leaves every roger-beep tone undefined, where the start-up document defines some, so that a
    // test defines just the tones it needs.
    void UndefineAllTones() {
        for (ToneRecord& tone : doc().config().ToneTable) tone = {};
    }

    // Opens a window by its menu item; returns the window.
    template <typename Window>
    Window* openByMenu(const char* item, const char* name) {
        trigger(item);
        return qobject_cast<Window*>(main().FindEditor(QString::fromLatin1(name)));
    }

    // Clicks the tree node with this key ("N12", "N5" ...).
    void clickTreeNode(const char* key);

    template <typename T>
    T* child(QWidget* window, const QString& name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    std::vector<DocumentEdit> Edits;
};

}  // namespace kv::test
