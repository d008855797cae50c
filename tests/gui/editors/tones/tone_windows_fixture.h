// The started application with the real roger-beep and DTMF windows, and stand-ins for the
// channel and settings windows that record when their tone and code lists are rebuilt.
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

// Stands in for a window that offers tone and code numbers; each call runs the probe, so a test
// sees what the document held at that moment.
class ListWindowStandIn : public QWidget {
    Q_OBJECT
public:
    int ShowRBCalls = 0;
    int ShowDTMFCalls = 0;
    std::function<void()> Probe;

    Q_INVOKABLE void ShowRB() {
        ++ShowRBCalls;
        if (Probe) Probe();
    }
    Q_INVOKABLE void ShowDTMF() {
        ++ShowDTMFCalls;
        if (Probe) Probe();
    }
};

void RegisterListWindowStandIns(WindowRegistry& registry);

class ToneWindowsTest : public ShellTest {
protected:
    // `realWindows`: every window the program registers, no stand-ins.
    void StartWithToneWindows(const std::string& localeName = "en_US", bool realWindows = false) {
        StartupOptions options;
        options.Folders = ProgramFolders::ForProgramFolder(programFolder());
        options.Locale = LocaleFactsFor(localeName);
        options.Placement = std::make_shared<PlacementStore>(placementPath());
        options.Chooser = chooser_;
        options.Store = store_;
        options.ExtraEditors = realWindows ? nullptr : &RegisterListWindowStandIns;
        app_ = std::make_unique<Application>(options);
        main().show();
        main().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main()));
        QObject::connect(&main(), &MainWindow::documentEdited,
                         [this](const DocumentEdit& edit) { Edits.push_back(edit); });
    }

    // Opens a window by its menu item; returns the window.
    template <typename Window>
    Window* openByMenu(const char* item, const char* name) {
        trigger(item);
        return qobject_cast<Window*>(main().FindEditor(QString::fromLatin1(name)));
    }

    // Clicks the tree node with this key ("N12", "N5" ...).
    void clickTreeNode(const char* key);

    ListWindowStandIn* listWindow(const char* name) {
        return qobject_cast<ListWindowStandIn*>(main().OpenEditor(QString::fromLatin1(name)));
    }

    template <typename T>
    T* child(QWidget* window, const QString& name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    std::vector<DocumentEdit> Edits;
};

}  // namespace kv::test
