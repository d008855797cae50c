// The application with the real settings and channel windows and the installation's own data
// files: the settings tests open the window, work it through its controls by object name and
// watch the document.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <memory>

#include "editors/channels/ui/channel_window.h"
#include "editors/settings/ui/settings_window.h"
#include "gui/app/shell_fixture.h"

namespace kv::settingstest {

class SettingsWindowTest : public test::ShellTest {
protected:
    // Starts the application on the installation's data files with a version table listing V100,
    // for a system with the locale `localeName`.
    void StartApp(int language = kLanguageEnglish, bool radioOption = false,
                  const std::string& localeName = "en_US");
    // Opens the settings window (or brings it to the front).
    SettingsWindow* Open();
    // Closes the settings window through its close button.
    void CloseWithButton();
    SettingsWindow* window() const;
    ChannelWindow* channelWindow();

    QComboBox* List(const char* name);
    QCheckBox* Check(const char* name);
    QLineEdit* Box(const char* name);
    // What the user does: picks the entry showing `text`, clicks a box, types a text into a box
    // (through the key filter) and leaves it.
    void Pick(const char* list, const QString& text);
    void Click(const char* check);
    void Type(const char* box, const QString& text);
    void TypeAndLeave(const char* box, const QString& text);
    // Text an input method commits into a box: no key events, so no key filter.
    void Compose(const char* box, const QString& text);
    QStringList Entries(const char* list);

    std::unique_ptr<QSignalSpy> edits_;  // the main window's edit notifications
};

}  // namespace kv::settingstest
