// The desktop's file windows.
#include "app/ui/file_chooser.h"

#include <QFileDialog>

namespace kv {
namespace {

std::optional<QString> Chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path;
}

}  // namespace

std::optional<QString> DialogFileChooser::chooseOpen(QWidget* parent, const QString& filter,
                                                     const QString& start) {
    return Chosen(QFileDialog::getOpenFileName(parent, QString(), start, filter));
}

std::optional<QString> DialogFileChooser::chooseSave(QWidget* parent, const QString& filter,
                                                     const QString& start) {
    QFileDialog dialog(parent, QString(), start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return Chosen(dialog.selectedFiles().first());
}

}  // namespace kv
