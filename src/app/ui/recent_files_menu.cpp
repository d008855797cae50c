// The recent files of the File menu.
#include "app/ui/recent_files_menu.h"

#include <QAction>
#include <QMenu>

#include "app/recent_files.h"
#include "platform/settings_file.h"

namespace kv {

RecentFilesMenu::RecentFilesMenu(SettingsFile& settings, QMenu& menu, QAction& separator,
                                 std::function<void(const QString&)> open, QObject* parent)
    : QObject(parent),
      settings_(settings),
      menu_(menu),
      separator_(separator),
      open_(std::move(open)) {
    setObjectName(QStringLiteral("RecentFilesMenu"));
    const QString section = QString::fromLatin1(kRecentFilesSection);
    for (int number = 1; number <= kRecentFileCount; ++number) {
        const auto path = settings_.read(section, QString::fromStdString(RecentFileKey(number)));
        if (path && !path->empty()) files_.push_back(*path);
    }
    rebuild();
}

void RecentFilesMenu::Add(const QString& path) {
    files_ = WithRecentFile(std::move(files_), path.toStdString());
    store();
    rebuild();
}

void RecentFilesMenu::Remove(const QString& path) {
    files_ = WithoutRecentFile(std::move(files_), path.toStdString());
    store();
    rebuild();
}

// Every key is written, so that an entry dropped from the list leaves no stale key behind.
void RecentFilesMenu::store() {
    const QString section = QString::fromLatin1(kRecentFilesSection);
    for (int number = 1; number <= kRecentFileCount; ++number) {
        const std::size_t at = static_cast<std::size_t>(number - 1);
        settings_.write(section, QString::fromStdString(RecentFileKey(number)),
                        at < files_.size() ? files_[at] : std::string());
    }
}

void RecentFilesMenu::rebuild() {
    for (QAction* item : items_) {
        menu_.removeAction(item);
        item->deleteLater();
    }
    items_.clear();
    for (std::size_t i = 0; i < files_.size(); ++i) {
        const QString path = QString::fromStdString(files_[i]);
        auto* item = new QAction(
            QString::fromStdString(RecentFileCaption(static_cast<int>(i) + 1, files_[i])), &menu_);
        item->setObjectName(QStringLiteral("mnuRecentFile%1").arg(i + 1));
        item->setData(path);
        connect(item, &QAction::triggered, this, [this, path] { open_(path); });
        menu_.insertAction(&separator_, item);
        items_.push_back(item);
    }
    separator_.setVisible(!files_.empty());
}

}  // namespace kv
