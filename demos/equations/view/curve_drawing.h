#pragma once

#include <QColor>
#include <QRectF>

#include <functional>
#include <optional>
#include <vector>

class QPainter;

namespace kit {
class CanvasTransform;
}

namespace equations {

using RealFunction = std::function<std::optional<double>(double)>;

// y = f(x) across the visible world, one sample per pixel, never joined across the given
// breaks (the zeros of a denominator) or where f is undefined.
void drawCurve(QPainter& painter, const kit::CanvasTransform& t, const RealFunction& f,
               const std::vector<double>& breaks, QColor colour);

// A marked point on the x-axis: a filled dot (in the set) or a ring (left out).
void drawAxisDot(QPainter& painter, const kit::CanvasTransform& t, double x, bool filled,
                 QColor colour);

// A view that shows every given x (roots, poles) with room around it and the curve's values
// there, leaving out the steep parts near the poles.
QRectF viewAround(const std::vector<double>& xs, const RealFunction& f,
                  const std::vector<double>& poles = {});

} // namespace equations
