#include "slopes/view/slope_plot.h"

#include "graphs/view/plot_drawing.h"

#include "kit/view/canvas_transform.h"
#include "kit/view/course_colours.h"

#include <QPainter>

namespace slopes {

namespace {

// The line through (x0, y0) with slope m across the visible world.
void drawLine(QPainter& painter, const kit::CanvasTransform& t, double x0, double y0, double m,
              const QPen& pen) {
    const QRectF world = t.world();
    painter.setPen(pen);
    painter.drawLine(t.toPixels(QPointF(world.left(), y0 + m * (world.left() - x0))),
                     t.toPixels(QPointF(world.right(), y0 + m * (world.right() - x0))));
}

void dot(QPainter& painter, const kit::CanvasTransform& t, QPointF p, QColor colour) {
    painter.setPen(QPen(colour, 1.5));
    painter.setBrush(colour);
    painter.drawEllipse(t.toPixels(p), 4.5, 4.5);
}

} // namespace

void drawSecantFigure(QPainter& painter, const kit::CanvasTransform& t,
                      const SecantFigure& figure) {
    if (!figure.f)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    graphs::drawFunction(painter, t, *figure.f, graphs::functionColour(0));
    const auto ya = figure.f->evaluate({figure.a});
    const auto yb = figure.f->evaluate({figure.a + figure.h});
    if (ya && figure.tangentSlope)
        drawLine(painter, t, figure.a, *ya, *figure.tangentSlope, QPen(kit::rightColour(), 2));
    if (ya && yb && figure.secantSlope) {
        drawLine(painter, t, figure.a, *ya, *figure.secantSlope,
                 QPen(kit::accentColour(), 1.6, Qt::DashLine));
        painter.setPen(QPen(QColor(120, 120, 120), 1, Qt::DotLine));
        const QPointF corner(figure.a + figure.h, *ya);
        painter.drawLine(t.toPixels(QPointF(figure.a, *ya)), t.toPixels(corner));
        painter.drawLine(t.toPixels(corner), t.toPixels(QPointF(figure.a + figure.h, *yb)));
        painter.setPen(QColor(80, 80, 80));
        painter.drawText(t.toPixels(QPointF(figure.a + figure.h / 2, *ya)) + QPointF(-4, 14), "h");
        dot(painter, t, QPointF(figure.a + figure.h, *yb), kit::accentColour());
    }
    if (ya)
        dot(painter, t, QPointF(figure.a, *ya), kit::wrongColour());
    painter.restore();
}

void drawDerivativeFigure(QPainter& painter, const kit::CanvasTransform& t,
                          const DerivativeFigure& figure) {
    if (!figure.derivative)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    graphs::drawFunction(painter, t, *figure.derivative, graphs::functionColour(1));
    painter.setPen(QPen(QColor(110, 110, 110), 1, Qt::DashDotLine));
    const QRectF world = t.world();
    for (double x : figure.criticalXs)
        painter.drawLine(t.toPixels(QPointF(x, world.top())),
                         t.toPixels(QPointF(x, world.bottom())));
    if (const auto y = figure.derivative->evaluate({figure.a}))
        dot(painter, t, QPointF(figure.a, *y), kit::wrongColour());
    painter.restore();
}

} // namespace slopes
