// The file windows for Open and Save As. The main window asks through this interface so that
// tests can choose the files.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace kv {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // nullopt when the user cancels. `filter` is in the form "Data File (*.dat)"; a save window
    // adds its first extension to a name typed without one. An empty `title` leaves the
    // desktop's own.
    virtual std::optional<QString> chooseOpen(QWidget* parent, const QString& filter,
                                              const QString& start) = 0;
    virtual std::optional<QString> chooseSave(QWidget* parent, const QString& filter,
                                              const QString& start, const QString& title) = 0;
};

// The desktop's file windows.
class DialogFileChooser final : public FileChooser {
public:
    std::optional<QString> chooseOpen(QWidget* parent, const QString& filter,
                                      const QString& start) override;
    std::optional<QString> chooseSave(QWidget* parent, const QString& filter, const QString& start,
                                      const QString& title) override;
};

}  // namespace kv
