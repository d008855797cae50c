// The communication port window.
#include "link/ui/port_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_state.h"
#include "app/shell_texts.h"
#include "app/startup_settings.h"
#include "gui/button_captions.h"
#include "gui/message_box.h"
#include "gui/qt_text.h"
#include "link/link_window_texts.h"
#include "link/radio_search.h"
#include "link/ui/find_radio_window.h"
#include "link/ui/manual_port.h"
#include "platform/settings_file.h"

namespace kv {
namespace {

bool SameEntries(const std::vector<ListedPort>& a, const std::vector<ListedPort>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const ListedPort& x, const ListedPort& y) {
                          return x.number == y.number && x.path == y.path &&
                                 x.description == y.description && x.kind == y.kind;
                      });
}

}  // namespace

PortWindow::PortWindow(AppState& state, SettingsFile& settings, QWidget* parent, PortScan scan)
    : QDialog(parent), state_(state), settings_(settings), scan_(std::move(scan)) {
    setObjectName(QStringLiteral("frmCommSet"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const int language = state.CurrentLanguage;
    const LinkWindowTextTable& texts = LinkWindowTexts();
    setWindowTitle(Text(ShellTexts().PortWindowCaption, language));

    auto* label = new QLabel(Text(ShellTexts().PortLabel, language), this);
    label->setObjectName(QStringLiteral("Label1"));
    list_ = new QComboBox(this);
    list_->setObjectName(QStringLiteral("Combo1"));
    list_->setEditable(false);
    label->setBuddy(list_);
    path_ = new QLabel(this);
    path_->setObjectName(QStringLiteral("LabelDevice"));
    path_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    description_ = new QLabel(this);
    description_->setObjectName(QStringLiteral("LabelDescription"));

    auto* addLabel = new QLabel(Text(texts.AddPathLabel, language), this);
    addLabel->setObjectName(QStringLiteral("Label2"));
    newPath_ = new QLineEdit(this);
    newPath_->setObjectName(QStringLiteral("TextDevice"));
    newPath_->setPlaceholderText(QStringLiteral("/dev/serial/by-id/…"));
    addLabel->setBuddy(newPath_);
    auto* add = new QPushButton(Text(texts.AddButton, language), this);
    add->setObjectName(QStringLiteral("CommandAdd"));
    add->setAutoDefault(false);
    add->setEnabled(false);

    const FindRadioTextTable& find = FindRadioTexts();
    auto* findButton = new QPushButton(Text(find.FindButton, language), this);
    findButton->setObjectName(QStringLiteral("CommandFind"));
    findButton->setAutoDefault(false);
    builtIn_ = new QCheckBox(Text(find.IncludeBuiltIn, language), this);
    builtIn_->setObjectName(QStringLiteral("CheckBuiltIn"));

    auto* ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("CommandOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("CommandCancel"));
    cancel->setAutoDefault(false);
    ApplyButtonCaptions(this, language);

    auto* grid = new QGridLayout;
    grid->addWidget(label, 0, 0);
    grid->addWidget(list_, 0, 1);
    grid->addWidget(path_, 0, 2);
    grid->addWidget(description_, 1, 2);
    grid->addWidget(addLabel, 2, 0);
    grid->addWidget(newPath_, 2, 1, 1, 2);
    grid->addWidget(add, 2, 3);
    grid->setColumnStretch(2, 1);
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(findButton);
    findRow->addWidget(builtIn_);
    findRow->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(findRow);
    layout->addLayout(buttons);
    setMinimumWidth(480);

    connect(list_, &QComboBox::activated, this, [this](int index) {
        displayed_ = list_->itemData(index).toInt();
        showDevice();
    });
    connect(newPath_, &QLineEdit::textChanged, add,
            [add](const QString& text) { add->setEnabled(!text.trimmed().isEmpty()); });
    connect(newPath_, &QLineEdit::returnPressed, this, &PortWindow::addPath);
    connect(add, &QPushButton::clicked, this, &PortWindow::addPath);
    connect(findButton, &QPushButton::clicked, this, &PortWindow::findRadio);
    connect(ok, &QPushButton::clicked, this, &PortWindow::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    rescan_ = new QTimer(this);
    rescan_->setObjectName(QStringLiteral("ReShowComPortTimer"));
    rescan_->setInterval(kReShowComPortMs);
    connect(rescan_, &QTimer::timeout, this, &PortWindow::ReShowComPort);

    showPorts(state.comPort);
}

QString PortWindow::settingsFile() const {
    return settings_.writePath();
}

void PortWindow::showPorts(int wanted) {
    std::vector<ListedPort> ports = ListSerialPorts(settingsFile(), wanted, scan_);
    const QSignalBlocker blocker(list_);
    if (!SameEntries(ports, ports_)) {
        ports_ = std::move(ports);
        list_->clear();
        for (const ListedPort& port : ports_)
            list_->addItem(QString::fromStdString(PortName(port.number)), port.number);
    }
    if (ports_.empty()) {
        displayed_ = 0;
        list_->setCurrentIndex(-1);
    } else {
        const int index = list_->findData(wanted);
        list_->setCurrentIndex(index < 0 ? 0 : index);
        displayed_ = list_->currentData().toInt();
    }
    showDevice();
}

void PortWindow::ReShowComPort() {
    showPorts(displayed_);
}

void PortWindow::showDevice() {
    const auto shown = std::find_if(ports_.begin(), ports_.end(),
                                    [this](const ListedPort& p) { return p.number == displayed_; });
    if (shown == ports_.end()) {
        path_->clear();
        description_->clear();
        return;
    }
    path_->setText(QString::fromStdString(shown->path));
    const LinkWindowTextTable& texts = LinkWindowTexts();
    switch (shown->kind) {
        case ListedPort::Kind::Device:
            description_->setText(QString::fromStdString(shown->description));
            break;
        case ListedPort::Kind::AddedByHand:
            description_->setText(Text(texts.AddedByHand, state_.CurrentLanguage));
            break;
        case ListedPort::Kind::NotPresent:
            description_->setText(Text(texts.NotPresent, state_.CurrentLanguage));
            break;
    }
}

void PortWindow::addPath() {
    const QString path = newPath_->text().trimmed();
    if (path.isEmpty()) return;
    const ManualPortResult added = AddPortByHand(settingsFile(), path, scan_);
    if (added.number == 0) {
        ShowMessage(this, state_.CurrentLanguage, added.error, MessageButtons::Ok,
                    MessageIcon::Warning);
        return;
    }
    newPath_->clear();
    showPorts(added.number);
}

void PortWindow::findRadio() {
    rescan_->stop();
    if (const auto found =
            FindTheRadio(this, state_, settings_, builtIn_->isChecked(), scan_, replyTime_))
        showPorts(*found);
    if (isVisible()) rescan_->start();
}

void PortWindow::confirm() {
    if (list_->currentIndex() < 0) {
        state_.comPort = 0;
    } else {
        state_.comPort = list_->currentData().toInt();
        settings_.write(QString::fromLatin1(kSettingsSection), QString::fromLatin1(kKeyComPort),
                        std::to_string(state_.comPort));
    }
    accept();
}

void PortWindow::showEvent(QShowEvent* event) {
    rescan_->start();
    QDialog::showEvent(event);
}

void PortWindow::hideEvent(QHideEvent* event) {
    rescan_->stop();
    QDialog::hideEvent(event);
}

}  // namespace kv
