// The About windows.
#include "app/ui/about_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/shared_messages.h"
#include "app/shell_texts.h"
#include "app/ui/app_icon.h"
#include "gui/message_box.h"

namespace kv {

AboutWindow::AboutWindow(int language, QString systemInfoTool, QWidget* parent)
    : QDialog(parent), language_(language), systemInfoTool_(std::move(systemInfoTool)) {
    const bool chinese = language == kLanguageChinese;
    setObjectName(chinese ? QStringLiteral("frmAboutChinese") : QStringLiteral("frmAbout"));
    const ShellTextTable& t = ShellTexts();
    const auto text = [&](const TextPair& pair) {
        return QString::fromStdString(pair.in(language));
    };
    const auto label = [&](const char* name, const QString& content) {
        auto* l = new QLabel(content, this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };

    setWindowTitle(text(t.AboutCaption));
    setModal(true);

    auto* icon = label("picIcon", QString());
    icon->setPixmap(AppIconPixmap(48));
    icon->setAlignment(Qt::AlignTop);

    auto* title = label("lblTitle", QString::fromLatin1(kAppTitle));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* version = label("lblVersion", text(AboutVersionText()));
    auto* description = label("lblDescription", text(t.AboutDescription));
    auto* radio = label("lblRadio", text(t.AboutRadioLabel));
    auto* disclaimer = label("lblDisclaimer", text(t.AboutDisclaimer));
    disclaimer->setWordWrap(true);
    disclaimer->setFrameShape(QFrame::StyledPanel);
    disclaimer->setMargin(6);

    auto* ok = new QPushButton(text(SharedMessages().OkButton), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    for (QLabel* l : {title, version, description, radio}) texts->addWidget(l);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(texts, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    if (chinese && !systemInfoTool_.isEmpty()) {
        auto* info = new QPushButton(text(t.SystemInfoButton), this);
        info->setObjectName(QStringLiteral("cmdSysInfo"));
        connect(info, &QPushButton::clicked, this, &AboutWindow::startSystemInfo);
        buttons->addWidget(info);
    }
    buttons->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(disclaimer, 1);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    // The disclaimer wraps, and a dialog takes no height-for-width into account when it opens:
    // fix the width, then open with the height the wrapped text needs.
    constexpr int kWidth = 480;
    setFixedWidth(kWidth);
    const int height = layout->totalHeightForWidth(kWidth);
    setMinimumHeight(height);
    resize(kWidth, height);
}

void AboutWindow::startSystemInfo() {
    if (!QProcess::startDetached(systemInfoTool_, {}))
        ShowMessage(this, language_, ShellTexts().SystemInfoUnavailable);
}

}  // namespace kv
