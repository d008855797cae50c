// The program's icon: a radio face with a dial and a frequency display.
#include "app/ui/app_icon.h"

#include <QLinearGradient>
#include <QPainter>

namespace kv {

QPixmap AppIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 64.0;
    QLinearGradient body(0, 8 * s, 0, 56 * s);
    body.setColorAt(0, QColor(70, 84, 104));
    body.setColorAt(1, QColor(28, 36, 48));
    p.setPen(QPen(QColor(16, 20, 28), 1.5 * s));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(4 * s, 14 * s, 56 * s, 40 * s), 6 * s, 6 * s);
    p.setPen(QPen(QColor(200, 204, 210), 2 * s, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(46 * s, 14 * s), QPointF(54 * s, 4 * s));  // antenna
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 220, 160));
    p.drawRoundedRect(QRectF(10 * s, 20 * s, 28 * s, 12 * s), 2 * s, 2 * s);  // display
    p.setBrush(QColor(210, 214, 220));
    p.drawEllipse(QPointF(48 * s, 34 * s), 7 * s, 7 * s);  // dial
    p.setBrush(QColor(90, 100, 116));
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF((10 + 10 * i) * s, 38 * s, 7 * s, 9 * s), 1.5 * s, 1.5 * s);
    return pixmap;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) icon.addPixmap(AppIconPixmap(size));
    return icon;
}

}  // namespace kv
