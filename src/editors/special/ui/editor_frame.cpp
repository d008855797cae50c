// An editor's child frame.
#include "editors/special/ui/editor_frame.h"

#include <QMdiSubWindow>

#include "app/twips.h"

namespace kv {

void FixOuterSize(QWidget* editor, int widthTwips, int heightTwips) {
    auto* frame = qobject_cast<QMdiSubWindow*>(editor->parentWidget());
    if (frame == nullptr) return;
    frame->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    frame->setFixedSize(TwipsToPixels(widthTwips, frame->logicalDpiX()),
                        TwipsToPixels(heightTwips, frame->logicalDpiY()));
}

void CloseEditorFrame(QWidget* editor) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(editor->parentWidget()))
        frame->close();
    else
        editor->close();
}

}  // namespace kv
