// The language window: lists the languages the system offers (English only unless the system
// locale is Simplified Chinese) and stores the choice. The main window applies it when it next
// becomes active.
#pragma once

#include <QDialog>

class QComboBox;

namespace kv {

struct AppState;
class SettingsFile;

class LanguageWindow : public QDialog {
    Q_OBJECT
public:
    LanguageWindow(AppState& state, SettingsFile& settings, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void confirm();

    AppState& state_;
    SettingsFile& settings_;
    QComboBox* list_;
};

}  // namespace kv
