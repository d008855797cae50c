// The settings window fixture.
#include "gui/editors/settings/settings_fixture.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include "app/main_window_tables.h"
#include "gui/pick_list.h"
#include "gui/window_registry.h"

namespace kv::settingstest {
void SettingsWindowTest::StartApp(int language, bool radioOption, const std::string& localeName) {
    WriteVersionFile();
    StartupOptions options;
    options.Folders = ProgramFolders::ForProgramFolder(programFolder());
    options.Locale = LocaleFactsFor(localeName);
    options.Placement = std::make_shared<PlacementStore>(placementPath());
    options.Chooser = chooser_;
    app_ = std::make_unique<Application>(options);
    state().CurrentLanguage = language;
    state().LanguageShownByMainWindow = language;
    doc().Radio.RadioOptionFlag = radioOption;
    edits_ = std::make_unique<QSignalSpy>(&main(), &MainWindow::documentEdited);
}

SettingsWindow* SettingsWindowTest::Open() {
    return qobject_cast<SettingsWindow*>(main().OpenEditor(QString::fromLatin1(kSettingsWindow)));
}

SettingsWindow* SettingsWindowTest::window() const {
    return qobject_cast<SettingsWindow*>(
        app_->mainWindow().FindEditor(QString::fromLatin1(kSettingsWindow)));
}

void SettingsWindowTest::CloseWithButton() {
    window()->findChild<QPushButton*>(QStringLiteral("CommandClose"))->click();
    FlushDeletes();
}

ChannelWindow* SettingsWindowTest::channelWindow() {
    return qobject_cast<ChannelWindow*>(main().FindEditor(QString::fromLatin1(kChannelWindow)));
}

QComboBox* SettingsWindowTest::List(const char* name) {
    auto* box = window()->findChild<QComboBox*>(QString::fromLatin1(name));
    EXPECT_NE(box, nullptr) << name;
    return box;
}

QCheckBox* SettingsWindowTest::Check(const char* name) {
    auto* box = window()->findChild<QCheckBox*>(QString::fromLatin1(name));
    EXPECT_NE(box, nullptr) << name;
    return box;
}

QLineEdit* SettingsWindowTest::Box(const char* name) {
    auto* box = window()->findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(box, nullptr) << name;
    return box;
}

void SettingsWindowTest::Pick(const char* list, const QString& text) {
    QComboBox* box = List(list);
    const int index = box->findText(text);
    ASSERT_GE(index, 0) << list << " offers no " << text.toStdString();
    // What the list does when the user chooses an entry.
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void SettingsWindowTest::Click(const char* check) {
    Check(check)->click();
}

void SettingsWindowTest::Type(const char* box, const QString& text) {
    QLineEdit* edit = Box(box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void SettingsWindowTest::TypeAndLeave(const char* box, const QString& text) {
    Type(box, text);
    QTest::keyClick(Box(box), Qt::Key_Return);
}

void SettingsWindowTest::Compose(const char* box, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(Box(box), &event);
}

QStringList SettingsWindowTest::Entries(const char* list) {
    QComboBox* box = List(list);
    QStringList entries;
    // The entries the list offers, without a stored value shown as itself.
    for (int i = 0; i < EntryCount(box); ++i) entries << box->itemText(i);
    return entries;
}

}  // namespace kv::settingstest
