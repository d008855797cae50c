// The language window.
#include "app/ui/language_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/shell_texts.h"
#include "app/startup_settings.h"
#include "gui/button_captions.h"
#include "platform/settings_file.h"

namespace kv {

LanguageWindow::LanguageWindow(AppState& state, SettingsFile& settings, QWidget* parent)
    : QDialog(parent), state_(state), settings_(settings) {
    setObjectName(QStringLiteral("frmLanguage"));
    setModal(true);
    const int language = state.CurrentLanguage;
    const ShellTextTable& t = ShellTexts();
    setWindowTitle(QString::fromStdString(t.LanguageWindowCaption.in(language)));

    auto* label = new QLabel(QString::fromStdString(t.LanguageModeLabel.in(language)), this);
    label->setObjectName(QStringLiteral("Label1"));
    list_ = new QComboBox(this);
    list_->setObjectName(QStringLiteral("Combo1"));
    // Both interfaces work on every system (names use the system's code page whatever the
    // interface language), so both are always offered.
    list_->addItem(QString::fromStdString(LanguageName(kLanguageEnglish).in(language)));
    list_->addItem(QString::fromStdString(LanguageName(kLanguageChinese).in(language)));
    list_->setCurrentText(QString::fromStdString(LanguageName(language).in(language)));
    list_->installEventFilter(this);
    label->setBuddy(list_);

    auto* ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("CommandOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("CommandCancel"));
    ApplyButtonCaptions(this, language);
    connect(ok, &QPushButton::clicked, this, &LanguageWindow::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    setMinimumWidth(320);
}

bool LanguageWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LanguageWindow::confirm() {
    const int shown = state_.CurrentLanguage;
    const std::string chosen = list_->currentText().toStdString();
    int language = shown;
    if (chosen == LanguageName(kLanguageEnglish).in(shown))
        language = kLanguageEnglish;
    else if (chosen == LanguageName(kLanguageChinese).in(shown))
        language = kLanguageChinese;
    if (language != state_.CurrentLanguage) {
        state_.LanguageShownByMainWindow = state_.CurrentLanguage;
        state_.CurrentLanguage = language;
    }
    settings_.write(QString::fromLatin1(kSettingsSection), QString::fromLatin1(kKeyCurrentLanguage),
                    std::to_string(state_.CurrentLanguage));
    accept();
}

}  // namespace kv
