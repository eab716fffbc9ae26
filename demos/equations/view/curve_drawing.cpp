#include "equations/view/curve_drawing.h"

#include "kit/view/canvas_transform.h"
#include "kit/view/curve_stroke.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace equations {

void drawCurve(QPainter& painter, const kit::CanvasTransform& t, const RealFunction& f,
               const std::vector<double>& breaks, QColor colour) {
    const QRectF world = t.world();
    const double step = world.width() / std::max(1.0, t.pixels().width());
    const double limit = world.height() * 20.0; // far outside the view: clip the path there
    QPainterPath path;
    bool drawing = false;
    double previous = world.left();
    for (double x = world.left(); x <= world.right() + step; x += step) {
        const bool crossesBreak = std::any_of(breaks.begin(), breaks.end(), [&](double b) {
            return (previous < b && b <= x) || std::abs(x - b) < step * 1e-3;
        });
        previous = x;
        const auto y = f(x);
        if (crossesBreak || !y || !std::isfinite(*y)) {
            drawing = false;
            continue;
        }
        const double clipped = std::clamp(*y, world.top() - limit, world.bottom() + limit);
        const QPointF pixel = t.toPixels(QPointF(x, clipped));
        if (drawing)
            path.lineTo(pixel);
        else
            path.moveTo(pixel);
        drawing = true;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2.2));
    painter.setBrush(Qt::NoBrush);
    kit::strokeCurve(painter, path);
    painter.restore();
}

void drawAxisDot(QPainter& painter, const kit::CanvasTransform& t, double x, bool filled,
                 QColor colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2));
    painter.setBrush(filled ? QBrush(colour) : QBrush(Qt::white));
    painter.drawEllipse(t.toPixels(QPointF(x, 0)), 5, 5);
    painter.restore();
}

QRectF viewAround(const std::vector<double>& xs, const RealFunction& f,
                  const std::vector<double>& poles) {
    double first = 0, last = 0;
    if (!xs.empty()) {
        first = *std::min_element(xs.begin(), xs.end());
        last = *std::max_element(xs.begin(), xs.end());
    }
    const double room = std::max(1.5, 0.4 * (last - first));
    double left = std::min(first - room, -3.0), right = std::max(last + room, 3.0);
    // The heights that matter are those between the outer roots (the turning points), or near
    // the origin when there are fewer than two.
    const double from = xs.size() >= 2 ? first : left, to = xs.size() >= 2 ? last : right;
    std::vector<double> values;
    const int samples = 400;
    const double nearPole = 0.1 * (right - left);
    for (int k = 0; k <= samples; ++k) {
        const double x = from + (to - from) * k / samples;
        if (std::any_of(poles.begin(), poles.end(),
                        [&](double pole) { return std::abs(x - pole) < nearPole; }))
            continue;
        const auto y = f(x);
        if (y && std::isfinite(*y))
            values.push_back(*y);
    }
    double low = -2, high = 2;
    if (!values.empty()) {
        // Poles and steep ends do not squash the rest: the outer twelfths of the values are left
        // out.
        std::sort(values.begin(), values.end());
        const std::size_t cut = values.size() / 12;
        low = std::min(low, values[cut] * 1.4);
        high = std::max(high, values[values.size() - 1 - cut] * 1.4);
    }
    const double margin = (high - low) * 0.08;
    return QRectF(left, low - margin, right - left, high - low + 2 * margin);
}

} // namespace equations
