// The About windows, one per language: title, version, purpose and a disclaimer. The Chinese
// window also offers the desktop's system information program when one is installed.
#pragma once

#include <QDialog>
#include <QString>

namespace kv {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    // `systemInfoTool`: the program the system information button starts; empty hides the button.
    AboutWindow(int language, QString systemInfoTool, QWidget* parent = nullptr);

private:
    void startSystemInfo();

    int language_;
    QString systemInfoTool_;
};

}  // namespace kv
