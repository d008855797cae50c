// An editor's child frame.
#include "gui/editor_frame.h"

#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "app/twips.h"

namespace kv {
namespace {

// Asks for room for all of its content, so that the window opens at the content's size where
// the space allows and scrolls only when it is made (or has to be) smaller.
class ContentScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        const QSize content = widget() != nullptr ? widget()->sizeHint() : QSize();
        return content + QSize(frame, frame);
    }
};

}  // namespace

void FixOuterSize(QWidget* editor, int widthTwips, int heightTwips) {
    auto* frame = qobject_cast<QMdiSubWindow*>(editor->parentWidget());
    if (frame == nullptr) return;
    frame->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    frame->setFixedSize(TwipsToPixels(widthTwips, frame->logicalDpiX()),
                        TwipsToPixels(heightTwips, frame->logicalDpiY()));
    FitEditorFrame(frame);
}

void FitEditorFrame(QMdiSubWindow* frame) {
    QMdiArea* area = frame->mdiArea();
    if (area == nullptr || frame->isMinimized() || frame->isMaximized()) return;
    const QSize space = area->viewport()->size();
    // A frame placed further than half the space away is moved back before it is shrunk.
    QPoint at = frame->pos();
    at.setX(std::clamp(at.x(), 0, space.width() / 2));
    at.setY(std::clamp(at.y(), 0, space.height() / 2));
    if (at != frame->pos()) frame->move(at);
    const QSize room(space.width() - at.x(), space.height() - at.y());
    if (frame->minimumSize() == frame->maximumSize()) {
        const QSize size = frame->size().boundedTo(room);
        if (size != frame->size()) frame->setFixedSize(size);
        return;
    }
    // A resizable editor gets the size its content asks for, as far as the room allows, but never
    // less than its content needs laid out: on a small screen the frame's area scrolls instead.
    const QSize size = frame->size()
                           .expandedTo(frame->sizeHint())
                           .boundedTo(room)
                           .expandedTo(frame->minimumSizeHint());
    frame->setMinimumSize(frame->minimumSize().boundedTo(size));
    if (size != frame->size()) frame->resize(size);
}

void SetScrollingContent(QWidget* editor, QWidget* content, QLayout* buttons) {
    auto* scroll = new ContentScrollArea(editor);
    scroll->setObjectName(QStringLiteral("scrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(editor);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
}

void CloseEditorFrame(QWidget* editor) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(editor->parentWidget()))
        frame->close();
    else
        editor->close();
}

}  // namespace kv
