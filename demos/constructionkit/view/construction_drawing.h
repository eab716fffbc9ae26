#pragma once

#include "constructionkit/core/figure.h"

#include <QColor>

class QPainter;
namespace kit {
class CanvasTransform;
}

namespace constructions {

// How far one object is drawn: 1 is whole; below 1 a circle is an arc swept so far from its
// starting point and a line reaches that part of its way, with the compass or the straight
// edge drawn where it is.
struct DrawState {
    double progress = 1.0;
    QColor colour;
    bool showTool = false;
};

void drawFigureObject(QPainter& painter, const kit::CanvasTransform& t, const Construction& c,
                      const Figure& f, int index, const DrawState& state);
void drawMarkedPoint(QPainter& painter, const kit::CanvasTransform& t, Vec2 at, const QString& name,
                     const QColor& colour);

} // namespace constructions
