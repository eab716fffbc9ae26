#pragma once

#include "kit/core/expression_input.h"

#include <QColor>
#include <Qt>

class QPainter;

namespace kit {
class CanvasTransform;
}

namespace graphs {

// The graph of f across the visible world, never joined across a pole or a gap of the domain.
void drawFunction(QPainter& painter, const kit::CanvasTransform& t, const kit::Expression& f,
                  QColor colour, Qt::PenStyle style = Qt::SolidLine);
// The same graph reflected in the line y = x (the graph of the inverse relation).
void drawReflection(QPainter& painter, const kit::CanvasTransform& t, const kit::Expression& f,
                    QColor colour);
// The line y = x, dashed.
void drawDiagonal(QPainter& painter, const kit::CanvasTransform& t);

// The colours of the three functions: f, g and h.
QColor functionColour(int index);

} // namespace graphs
