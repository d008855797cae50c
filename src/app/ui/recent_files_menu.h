// The recent files of the File menu: one item per file above the separator it is given, kept in
// the settings file so that the list survives a restart.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace kv {

class SettingsFile;

class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    // Items go into `menu` above `separator`; choosing one calls `open` with its path.
    RecentFilesMenu(SettingsFile& settings, QMenu& menu, QAction& separator,
                    std::function<void(const QString&)> open, QObject* parent);

    // A file was opened or saved: it becomes the first entry.
    void Add(const QString& path);
    void Remove(const QString& path);

    const std::vector<std::string>& Files() const { return files_; }

private:
    void store();
    void rebuild();

    SettingsFile& settings_;
    QMenu& menu_;
    QAction& separator_;
    std::function<void(const QString&)> open_;
    std::vector<std::string> files_;
    std::vector<QAction*> items_;
};

}  // namespace kv
