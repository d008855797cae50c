// The user guide window (frmUserGuide): the guide's pages in the interface language, with links
// between them, from the program folder. F1 anywhere opens the page of the window in front.
#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace kv {

class UserGuideWindow : public QDialog {
    Q_OBJECT
public:
    // `folder` holds the pages of one language.
    UserGuideWindow(const QString& folder, int language, QWidget* parent = nullptr);

    // Shows `page` ("channels.html"); false when it is not there.
    bool ShowPage(const QString& page);
    // The page shown, as its file name.
    QString page() const;

private:
    QString folder_;
    QTextBrowser* browser_;
};

// Opens the guide at the page for the window named `windowName`, as a window of `parent` so that
// it can be used beside a modal window; a guide that is not installed is said so.
void ShowUserGuide(QWidget* parent, const QString& programFolder, int language,
                   const QString& windowName);

}  // namespace kv
