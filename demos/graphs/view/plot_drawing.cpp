#include "graphs/view/plot_drawing.h"

#include "graphs/core/function_curve.h"

#include "kit/view/canvas_transform.h"
#include "kit/view/curve_stroke.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace graphs {

namespace {

QPainterPath pathOf(const std::vector<CurvePiece>& pieces, const kit::CanvasTransform& t,
                    bool swapped) {
    const QRectF world = t.world();
    const double far = world.height() * 20 + world.width() * 20;
    QPainterPath path;
    for (const auto& piece : pieces) {
        bool first = true;
        for (const auto& [x, y] : piece) {
            const double clipped = std::clamp(y, -far, far);
            const QPointF pixel = t.toPixels(swapped ? QPointF(clipped, x) : QPointF(x, clipped));
            if (first)
                path.moveTo(pixel);
            else
                path.lineTo(pixel);
            first = false;
        }
    }
    return path;
}

void strokePath(QPainter& painter, const QPainterPath& path, QColor colour, Qt::PenStyle style) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2.2, style));
    painter.setBrush(Qt::NoBrush);
    kit::strokeCurve(painter, path);
    painter.restore();
}

} // namespace

void drawFunction(QPainter& painter, const kit::CanvasTransform& t, const kit::Expression& f,
                  QColor colour, Qt::PenStyle style) {
    const QRectF world = t.world();
    const int steps = std::max(50, static_cast<int>(t.pixels().width() / 2));
    const auto pieces = sampleCurve(f, world.left(), world.right(), steps, world.height());
    strokePath(painter, pathOf(pieces, t, false), colour, style);
}

void drawReflection(QPainter& painter, const kit::CanvasTransform& t, const kit::Expression& f,
                    QColor colour) {
    const QRectF world = t.world();
    const int steps = std::max(50, static_cast<int>(t.pixels().height() / 2));
    // The reflected curve covers the visible heights: sample f over them as x.
    const auto pieces = sampleCurve(f, world.top(), world.bottom(), steps, world.width());
    strokePath(painter, pathOf(pieces, t, true), colour, Qt::DashLine);
}

void drawDiagonal(QPainter& painter, const kit::CanvasTransform& t) {
    const QRectF world = t.world();
    const double low = std::min(world.left(), world.top());
    const double high = std::max(world.right(), world.bottom());
    painter.save();
    painter.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashDotLine));
    painter.drawLine(t.toPixels(QPointF(low, low)), t.toPixels(QPointF(high, high)));
    painter.restore();
}

QColor functionColour(int index) {
    static const QColor colours[] = {QColor(34, 85, 136), QColor(170, 30, 30), QColor(20, 110, 40)};
    return colours[std::clamp(index, 0, 2)];
}

} // namespace graphs
