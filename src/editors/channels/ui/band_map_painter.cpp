// The band map drawing.
#include "editors/channels/ui/band_map_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "editors/channels/freq_text.h"
#include "gui/qt_text.h"

namespace kv {
namespace {

constexpr double kMargin = 12.0;
constexpr double kTitleHeight = 22.0;
constexpr double kStripHeight = 36.0;
constexpr double kScaleHeight = 22.0;
constexpr double kLaneHeight = 14.0;
constexpr double kLegendHeight = 22.0;
constexpr int kLanes = 8;

QColor SegmentColour(SegmentUse use) {
    switch (use) {
        case SegmentUse::Cw:
            return QColor(0xd8, 0xc8, 0xf0);
        case SegmentUse::NarrowDigital:
            return QColor(0xc8, 0xe0, 0xf8);
        case SegmentUse::AllModes:
            return QColor(0xd8, 0xf0, 0xd0);
        case SegmentUse::Fm:
            return QColor(0xc8, 0xd8, 0xff);
        case SegmentUse::Beacon:
            return QColor(0xff, 0xe0, 0xa0);
        case SegmentUse::Satellite:
            return QColor(0xff, 0xc8, 0xc8);
        case SegmentUse::Guard:
            return QColor(0xe0, 0xe0, 0xe0);
        case SegmentUse::CbChannels:
            return QColor(0xf0, 0xe8, 0xd0);
    }
    return Qt::white;
}

// The rectangle the frequency axis spans.
QRectF PlotArea(const QRectF& area) {
    return area.adjusted(kMargin, kMargin + kTitleHeight, -kMargin, -kMargin - kLegendHeight);
}

double XOf(const BandMapModel& model, const QRectF& plot, std::int64_t hz) {
    return plot.left() + MapFraction(model, hz) * plot.width();
}

// A step for the scale that gives about ten labels.
std::int64_t ScaleStep(std::int64_t span) {
    static constexpr std::int64_t kSteps[] = {5'000,   10'000,  25'000,    50'000,   100'000,
                                              250'000, 500'000, 1'000'000, 2'000'000};
    for (std::int64_t step : kSteps)
        if (span / step <= 12) return step;
    return 5'000'000;
}

}  // namespace

QColor ModeColour(int mode) {
    switch (mode) {
        case 0:
            return QColor(0x1f, 0x5f, 0xd0);  // FM
        case 1:
            return QColor(0xe0, 0x70, 0x00);  // AM
        case 2:
            return QColor(0x10, 0xa0, 0x30);  // USB
        case 3:
            return QColor(0x00, 0x60, 0x40);  // LSB
        case 4:
            return QColor(0x80, 0x80, 0x80);  // PA
        case 5:
            return QColor(0x90, 0x20, 0xc0);  // CW
        default:
            return Qt::black;
    }
}

std::vector<MarkPlace> MarkPlaces(const BandMapModel& model, const QRectF& area) {
    const QRectF plot = PlotArea(area);
    const double top = plot.top() + kStripHeight + kScaleHeight + kMarkRadius * 2;
    const double lanes =
        std::clamp(std::floor((plot.bottom() - top) / kLaneHeight), 1.0, double(kLanes));
    // Each mark takes the first lane where it keeps clear of the mark before it.
    std::vector<double> laneEnd(static_cast<std::size_t>(lanes), -1e9);
    std::vector<MarkPlace> places;
    places.reserve(model.Marks.size());
    std::size_t next = 0;
    for (const BandMark& mark : model.Marks) {
        const double x = XOf(model, plot, mark.RxHz);
        std::size_t lane = laneEnd.size();
        for (std::size_t i = 0; i < laneEnd.size(); ++i)
            if (laneEnd[i] <= x - 3 * kMarkRadius) {
                lane = i;
                break;
            }
        if (lane == laneEnd.size()) lane = next++ % laneEnd.size();
        // A transmit frequency beyond the range is drawn at the map's edge it lies beyond.
        const double tx =
            std::clamp(XOf(model, plot, mark.TransmitHz()), plot.left(), plot.right());
        laneEnd[lane] = std::max(x, tx);
        const double y = top + static_cast<double>(lane) * kLaneHeight;
        places.push_back({QPointF(x, y), QPointF(tx, y)});
    }
    return places;
}

void PaintBandMap(QPainter& painter, const QRectF& area, const BandMapModel& model, int language) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(area, Qt::white);
    const QRectF plot = PlotArea(area);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    const QFontMetricsF metrics(font);

    // Title: the band's range and the plan shown.
    static constexpr const char* kBands[] = {"CB", "HF", "HAM"};
    const QString title =
        QStringLiteral("%1  %2 – %3 MHz   %4")
            .arg(QLatin1String(kBands[model.Band]),
                 Text(FormatFreq(static_cast<double>(model.LowHz) / 1e6)),
                 Text(FormatFreq(static_cast<double>(model.HighHz) / 1e6)),
                 model.Band == kBandCb ? QString() : Text(RegionName(model.Region).in(language)));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(plot.left(), area.top() + kMargin, plot.width(), kTitleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, title);

    // The segment strip; a label where it fits.
    const QRectF strip(plot.left(), plot.top(), plot.width(), kStripHeight);
    painter.setPen(Qt::NoPen);
    painter.fillRect(strip, QColor(0xf8, 0xf8, 0xf8));
    for (const BandSegment& s : model.Segments) {
        const double left = std::max(strip.left(), XOf(model, plot, s.LowHz));
        const double right = std::min(strip.right(), XOf(model, plot, s.HighHz));
        if (right <= left) continue;
        const QRectF box(left, strip.top(), right - left, strip.height());
        painter.fillRect(box, SegmentColour(s.Use));
        const QString label = Text(SegmentUseName(s.Use).in(language));
        if (s.Use != SegmentUse::CbChannels && metrics.horizontalAdvance(label) + 4 < box.width()) {
            painter.setPen(QColor(0x40, 0x40, 0x40));
            painter.drawText(box, Qt::AlignCenter, label);
            painter.setPen(Qt::NoPen);
        }
    }
    painter.setPen(QColor(0xa0, 0xa0, 0xa0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(strip);

    // The frequency scale.
    const std::int64_t step = ScaleStep(model.HighHz - model.LowHz);
    painter.setPen(Qt::black);
    const double scaleTop = strip.bottom();
    for (std::int64_t hz = (model.LowHz + step - 1) / step * step; hz <= model.HighHz; hz += step) {
        const double x = XOf(model, plot, hz);
        painter.drawLine(QPointF(x, scaleTop), QPointF(x, scaleTop + 4));
        const QString label = QString::number(static_cast<double>(hz) / 1e6, 'f', 3);
        const double w = metrics.horizontalAdvance(label);
        // A label at either end stays within the drawing.
        const double left = std::clamp(x - w / 2, area.left() + 2, area.right() - 2 - w);
        painter.drawText(QRectF(left, scaleTop + 4, w, kScaleHeight - 4), Qt::AlignCenter, label);
    }

    // The marks: a stem from the strip, the receive dot, the transmit dot joined to it.
    const std::vector<MarkPlace> places = MarkPlaces(model, area);
    for (std::size_t i = 0; i < places.size(); ++i) {
        const BandMark& mark = model.Marks[i];
        const MarkPlace& place = places[i];
        const QColor colour = ModeColour(mark.Mode);
        painter.setPen(QPen(colour.lighter(150), 1));
        painter.drawLine(QPointF(place.Rx.x(), strip.bottom()), place.Rx);
        if (mark.TxHz) {
            painter.setPen(QPen(colour, 1, Qt::DashLine));
            painter.drawLine(place.Rx, place.Tx);
            painter.setPen(QPen(colour, 1.5));
            painter.setBrush(Qt::white);
            painter.drawEllipse(place.Tx, kMarkRadius - 1, kMarkRadius - 1);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(place.Rx, kMarkRadius, kMarkRadius);
        if (!mark.Flags.empty()) {
            painter.setPen(QPen(QColor(0xd0, 0x00, 0x00), 1.5));
            painter.setBrush(Qt::NoBrush);
            const QPointF at =
                mark.Flags.front() == MarkFlag::TransmitInReserved ? place.Tx : place.Rx;
            painter.drawEllipse(at, kMarkRadius + 3, kMarkRadius + 3);
        }
    }

    // The legend: the modes' colours.
    double x = plot.left();
    const double y = area.bottom() - kMargin - kLegendHeight / 2;
    for (int mode = 0; mode < 6; ++mode) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ModeColour(mode));
        painter.drawEllipse(QPointF(x + kMarkRadius, y), kMarkRadius, kMarkRadius);
        const QString label = Text(ModeName(mode));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + 3 * kMarkRadius, y + metrics.ascent() / 2 - 1), label);
        x += 3 * kMarkRadius + metrics.horizontalAdvance(label) + 14;
    }
    painter.restore();
}

}  // namespace kv
