// Work deferred past a window's first paint.
#include "app/ui/after_first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace kv {
namespace {

// A child of the window: it watches the window until its native window is exposed, which paints
// it, and queues the work behind that paint.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget& window, std::function<void()> work)
        : QObject(&window), window_(window), work_(std::move(work)) {
        window.installEventFilter(this);
        if (window.windowHandle()) window.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        QWindow* native = window_.windowHandle();
        if (watched == &window_ && event->type() == QEvent::Show && native)
            native->installEventFilter(this);
        if (watched == native && native && event->type() == QEvent::Expose && native->isExposed() &&
            !queued_) {
            queued_ = true;
            // Queued behind the exposure, whose handling paints the window.
            QTimer::singleShot(0, this, [this] {
                work_();
                deleteLater();
            });
        }
        return false;
    }

private:
    QWidget& window_;
    std::function<void()> work_;
    bool queued_ = false;
};

}  // namespace

void RunAfterFirstPaint(QWidget& window, std::function<void()> work) {
    new FirstPaintWatch(window, std::move(work));
}

}  // namespace kv
