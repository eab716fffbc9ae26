#pragma once

#include "planesurface/core/figure.h"

#include <QRectF>

class QPainter;

namespace kit {
class CanvasTransform;
}

namespace planesurface {

// The world rectangle around a figure with room for its labels.
QRectF figureBounds(const Figure& figure);

// The figure filled and outlined, its measures drawn and labelled, its right angles marked.
void drawFigure(QPainter& painter, const kit::CanvasTransform& t, const Figure& figure);

} // namespace planesurface
