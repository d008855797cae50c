// Where "Export WAV…" writes: the desktop's save window by default; tests choose the path.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace kv {

// nullopt when the user cancels.
using WavPathChooser = std::function<std::optional<QString>(
    QWidget* parent, const QString& title, const QString& filter, const QString& start)>;

// An empty chooser brings the save window back.
void SetWavPathChooser(WavPathChooser chooser);

std::optional<QString> ChooseWavPath(QWidget* parent, const QString& title, const QString& filter,
                                     const QString& start);

}  // namespace kv
