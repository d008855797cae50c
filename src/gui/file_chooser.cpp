// The desktop's file windows.
#include "gui/file_chooser.h"

#include <QFileDialog>

namespace kv {
namespace {

std::optional<QString> Chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path;
}

// The extension of the filter's first pattern: "Data File (*.dat)" gives "dat".
QString DefaultSuffix(const QString& filter) {
    const qsizetype start = filter.indexOf(QStringLiteral("(*."));
    if (start < 0) return {};
    const qsizetype end = filter.indexOf(QLatin1Char(')'), start);
    return filter.mid(start + 3, end - start - 3).section(QLatin1Char(' '), 0, 0);
}

}  // namespace

std::optional<QString> DialogFileChooser::chooseOpen(QWidget* parent, const QString& filter,
                                                     const QString& start) {
    return Chosen(QFileDialog::getOpenFileName(parent, QString(), start, filter));
}

std::optional<QString> DialogFileChooser::chooseSave(QWidget* parent, const QString& filter,
                                                     const QString& start, const QString& title) {
    QFileDialog dialog(parent, title, start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(DefaultSuffix(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return Chosen(dialog.selectedFiles().first());
}

}  // namespace kv
