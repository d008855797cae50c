// The main toolbar's pictures, each drawn on a 24 × 24 grid and scaled to the size asked for.
#include "app/ui/toolbar_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <map>
#include <utility>

namespace kv {
namespace {

using Draw = void (*)(QPainter&);

const QColor kOutline(70, 74, 82);

void Outlined(QPainter& p, const QColor& fill) {
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(fill);
}

void DrawNew(QPainter& p) {
    Outlined(p, Qt::white);
    p.drawPolygon(QPolygonF({{5, 2}, {14, 2}, {19, 7}, {19, 22}, {5, 22}}));
    Outlined(p, QColor(214, 218, 224));
    p.drawPolygon(QPolygonF({{14, 2}, {14, 7}, {19, 7}}));
}

void DrawOpen(QPainter& p) {
    Outlined(p, QColor(222, 170, 52));
    p.drawPolygon(QPolygonF({{2, 5}, {9, 5}, {11, 7}, {20, 7}, {20, 20}, {2, 20}}));
    Outlined(p, QColor(250, 206, 96));
    p.drawPolygon(QPolygonF({{5, 11}, {23, 11}, {20, 20}, {2, 20}}));
}

void DrawSave(QPainter& p) {
    Outlined(p, QColor(52, 92, 164));
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(204, 210, 220));
    p.drawRect(QRectF(7, 3.5, 10, 6));
    p.setBrush(QColor(52, 92, 164));
    p.drawRect(QRectF(13, 4.5, 2, 4));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 13, 12, 7.5));
}

void DrawPrint(QPainter& p) {
    Outlined(p, Qt::white);
    p.drawRect(QRectF(7, 2.5, 10, 7));
    Outlined(p, QColor(128, 134, 146));
    p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
    Outlined(p, Qt::white);
    p.drawRect(QRectF(7, 14, 10, 7.5));
    p.setPen(QPen(kOutline, 0.8));
    p.drawLine(QPointF(9, 17), QPointF(15, 17));
    p.drawLine(QPointF(9, 19), QPointF(15, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 200, 110));
    p.drawEllipse(QPointF(18.5, 11), 1.2, 1.2);
}

// A round button with a white arrow, pointing down (towards the computer) or up (to the radio).
void DrawArrowDisc(QPainter& p, const QColor& disc, bool up) {
    Outlined(p, disc);
    p.drawEllipse(QPointF(12, 12), 10, 10);
    QPolygonF arrow(
        {{12, 18.5}, {5.5, 12}, {9.5, 12}, {9.5, 5.5}, {14.5, 5.5}, {14.5, 12}, {18.5, 12}});
    if (up)
        for (QPointF& point : arrow) point.setY(24 - point.y());
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
}

void DrawRead(QPainter& p) {
    DrawArrowDisc(p, QColor(44, 160, 76), false);
}

void DrawWrite(QPainter& p) {
    DrawArrowDisc(p, QColor(44, 160, 76), true);
}

void DrawWriteSeveral(QPainter& p) {
    DrawArrowDisc(p, QColor(214, 128, 40), true);
}

// A serial connector with its pins and cable.
void DrawPort(QPainter& p) {
    p.setPen(QPen(kOutline, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 16), QPointF(12, 22.5));
    Outlined(p, QColor(72, 112, 172));
    p.drawPolygon(QPolygonF({{2.5, 6}, {21.5, 6}, {18.5, 16}, {5.5, 16}}));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int pin = 0; pin < 5; ++pin) p.drawEllipse(QPointF(6.5 + 2.75 * pin, 9.5), 1, 1);
    for (int pin = 0; pin < 4; ++pin) p.drawEllipse(QPointF(7.9 + 2.75 * pin, 12.8), 1, 1);
}

void DrawAbout(QPainter& p) {
    Outlined(p, QColor(40, 104, 196));
    p.drawEllipse(QPointF(12, 12), 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 7), 1.7, 1.7);
    p.drawRoundedRect(QRectF(10.5, 10, 3, 8.5), 1, 1);
}

// Draws on demand at the size and mode asked for and keeps what it drew.
class DrawnIconEngine : public QIconEngine {
public:
    explicit DrawnIconEngine(Draw draw) : draw_(draw) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 24.0, rect.height() / 24.0);
        if (mode == QIcon::Disabled) painter->setOpacity(0.35);
        draw_(*painter);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const auto key =
            std::make_pair(std::make_pair(size.width(), size.height()), static_cast<int>(mode));
        if (auto found = drawn_.find(key); found != drawn_.end()) return found->second;
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, QRect(QPoint(), size), mode, state);
        painter.end();
        return drawn_[key] = picture;
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(*this); }

private:
    Draw draw_;
    std::map<std::pair<std::pair<int, int>, int>, QPixmap> drawn_;
};

const std::map<std::string_view, Draw>& Pictures() {
    static const std::map<std::string_view, Draw> pictures = {
        {"新建", DrawNew},         {"打开", DrawOpen},
        {"保存", DrawSave},        {"打印", DrawPrint},
        {"ReadRadio", DrawRead},   {"CommSet", DrawPort},
        {"WriteRadio", DrawWrite}, {"MWriteRadio", DrawWriteSeveral},
        {"About", DrawAbout},
    };
    return pictures;
}

}  // namespace

QIcon ToolbarIcon(std::string_view key) {
    const auto found = Pictures().find(key);
    return found == Pictures().end() ? QIcon() : QIcon(new DrawnIconEngine(found->second));
}

}  // namespace kv
