// Where "Export WAV…" writes.
#include "editors/tones/ui/wav_path_chooser.h"

#include <QFileDialog>

namespace kv {
namespace {

WavPathChooser& Chooser() {
    static WavPathChooser chooser;
    return chooser;
}

}  // namespace

void SetWavPathChooser(WavPathChooser chooser) {
    Chooser() = std::move(chooser);
}

std::optional<QString> ChooseWavPath(QWidget* parent, const QString& title, const QString& filter,
                                     const QString& start) {
    if (Chooser()) return Chooser()(parent, title, filter, start);
    QFileDialog dialog(parent, title, start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("wav"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

}  // namespace kv
