// Drawing the band map: the segments of the band plan as a coloured strip with a frequency scale,
// and every channel as a mark coloured by its mode below it, its transmit frequency joined to it
// when shifted, flagged marks ringed. One drawing serves the window, the printer, PNG and SVG.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <vector>

#include "editors/channels/band_map.h"

class QPainter;

namespace kv {

// The colour of a mode's marks (MemMode; a value outside the list is drawn black).
QColor ModeColour(int mode);

// Where each mark's dot stands in a drawing of `area` (the same order as model.Marks), and where
// its transmit dot stands (the receive dot's place when unshifted).
struct MarkPlace {
    QPointF Rx;
    QPointF Tx;
};
std::vector<MarkPlace> MarkPlaces(const BandMapModel& model, const QRectF& area);

// The dot's radius in the drawing's units.
inline constexpr double kMarkRadius = 4.0;

// Draws the map into `area`; texts in the language given.
void PaintBandMap(QPainter& painter, const QRectF& area, const BandMapModel& model, int language);

}  // namespace kv
