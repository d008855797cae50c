// The drawing area of the roger-beep window.
#include "editors/tones/ui/tone_graph_widget.h"

#include <QPainter>

#include "app/twips.h"
#include "editors/tones/tone_graph.h"

namespace kv {

ToneGraphWidget::ToneGraphWidget(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setMinimumHeight(80);
}

void ToneGraphWidget::SetTone(const ToneRecord& tone) {
    tone_ = tone;
    update();
}

void ToneGraphWidget::paintEvent(QPaintEvent*) {
    const int widthTwips = PixelsToTwips(width(), logicalDpiX());
    const int heightTwips = PixelsToTwips(height(), logicalDpiY());
    if (widthTwips <= 0 || heightTwips <= 0) return;
    QPainter painter(this);
    painter.scale(static_cast<double>(width()) / widthTwips,
                  static_cast<double>(height()) / heightTwips);
    const int baseline = heightTwips - 50;
    for (const ToneBar& bar : ToneBars(tone_, widthTwips, heightTwips))
        painter.fillRect(QRect(bar.Left, baseline - bar.Height, bar.Width, bar.Height),
                         bar.Odd ? Qt::red : Qt::blue);
}

}  // namespace kv
