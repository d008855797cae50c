// The user guide window.
#include "app/ui/user_guide_window.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/user_guide.h"
#include "gui/message_box.h"

namespace kv {

UserGuideWindow::UserGuideWindow(const QString& folder, int language, QWidget* parent)
    : QDialog(parent, Qt::Window), folder_(folder) {
    setObjectName(QStringLiteral("frmUserGuide"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString(GuideCaption().in(language)));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("txtGuide"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(720, 560);
}

bool UserGuideWindow::ShowPage(const QString& page) {
    const QString path = QDir(folder_).filePath(page);
    if (!QFileInfo::exists(path)) return false;
    browser_->setSource(QUrl::fromLocalFile(path));
    return true;
}

QString UserGuideWindow::page() const {
    return QFileInfo(browser_->source().toLocalFile()).fileName();
}

void ShowUserGuide(QWidget* parent, const QString& programFolder, int language,
                   const QString& windowName) {
    const QString folder =
        QDir(programFolder).filePath(QString::fromStdString(GuideFolder(language)));
    const QString page = QString::fromStdString(GuidePageFor(windowName.toStdString()));
    auto* window = new UserGuideWindow(folder, language, parent);
    if (!window->ShowPage(page)) {
        delete window;
        ShowMessage(parent, language, GuideMissingText(QDir(folder).filePath(page).toStdString()),
                    MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    window->show();
    window->raise();
}

}  // namespace kv
