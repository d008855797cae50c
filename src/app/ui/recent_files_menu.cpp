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

// The items are made once and reused: an item may be the one being triggered.
void RecentFilesMenu::rebuild() {
    while (items_.size() < static_cast<std::size_t>(kRecentFileCount)) {
        const std::size_t index = items_.size();
        auto* item = new QAction(&menu_);
        item->setObjectName(QStringLiteral("mnuRecentFile%1").arg(index + 1));
        connect(item, &QAction::triggered, this, [this, item] { open_(item->data().toString()); });
        menu_.insertAction(&separator_, item);
        items_.push_back(item);
    }
    for (std::size_t i = 0; i < items_.size(); ++i) {
        QAction* item = items_[i];
        const bool used = i < files_.size();
        item->setVisible(used);
        item->setData(used ? QString::fromStdString(files_[i]) : QString());
        item->setText(
            used ? QString::fromStdString(RecentFileCaption(static_cast<int>(i) + 1, files_[i]))
                 : QString());
    }
    separator_.setVisible(!files_.empty());
}

}  // namespace kv
