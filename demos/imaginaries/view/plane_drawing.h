#pragma once

#include "kit/view/canvas_transform.h"

#include <QColor>
#include <QPainter>
#include <QString>

#include <complex>

namespace imaginaries {

// An arrow from `from` to `to` in world coordinates with its label at the tip.
void drawArrow(QPainter& painter, const kit::CanvasTransform& t, std::complex<double> from,
               std::complex<double> to, const QColor& colour, const QString& label,
               Qt::PenStyle style = Qt::SolidLine);

// A dot with a label, for points that are not dragged.
void drawDot(QPainter& painter, const kit::CanvasTransform& t, std::complex<double> at,
             const QColor& colour, const QString& label);

// "2.5 − 1.5i" with at most three decimals, for labels in the plane.
QString shortComplexText(std::complex<double> z);

} // namespace imaginaries
