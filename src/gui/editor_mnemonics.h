// Gives the active editor window's mnemonics priority over the menu bar's: while the focus is in
// an editor, Alt+letter goes to the editor's button or labelled control with that letter, and
// only when it has none to the menu bar. Without this, Alt+P in the roger-beep window would open
// the Program menu instead of playing.
#pragma once

#include <QObject>

class QMdiArea;

namespace kv {

class EditorMnemonics : public QObject {
    Q_OBJECT
public:
    // Watches the application's key events for the editors of `area`.
    EditorMnemonics(QMdiArea* area, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMdiArea* area_;
};

}  // namespace kv
