#include "continuity/view/limit_plot.h"

#include "graphs/view/plot_drawing.h"

#include "kit/view/canvas_transform.h"
#include "kit/view/course_colours.h"

#include <QPainter>

namespace continuity {

namespace {

void drawBands(QPainter& painter, const kit::CanvasTransform& t, const LimitFigure& figure) {
    const QRectF world = t.world();
    QColor epsilonColour = kit::rightColour();
    epsilonColour.setAlpha(45);
    QColor deltaColour = kit::accentColour();
    deltaColour.setAlpha(45);
    painter.fillRect(t.toPixels(QRectF(world.left(), figure.limit - figure.epsilon, world.width(),
                                       2 * figure.epsilon)),
                     epsilonColour);
    painter.fillRect(
        t.toPixels(QRectF(figure.a - figure.delta, world.top(), 2 * figure.delta, world.height())),
        deltaColour);
    painter.setPen(QPen(kit::rightColour(), 1, Qt::DashLine));
    for (double y : {figure.limit - figure.epsilon, figure.limit + figure.epsilon})
        painter.drawLine(t.toPixels(QPointF(world.left(), y)),
                         t.toPixels(QPointF(world.right(), y)));
    painter.setPen(QPen(kit::accentColour(), 1, Qt::DashLine));
    for (double x : {figure.a - figure.delta, figure.a + figure.delta})
        painter.drawLine(t.toPixels(QPointF(x, world.top())),
                         t.toPixels(QPointF(x, world.bottom())));
}

void drawCounterexample(QPainter& painter, const kit::CanvasTransform& t,
                        const LimitFigure& figure) {
    const double x = *figure.counterexample;
    const double y = figure.counterValue.value_or(figure.limit);
    const QPointF p = t.toPixels(QPointF(x, y));
    painter.setPen(QPen(kit::wrongColour(), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(p + QPointF(-6, -6), p + QPointF(6, 6));
    painter.drawLine(p + QPointF(-6, 6), p + QPointF(6, -6));
}

void drawPointMarks(QPainter& painter, const kit::CanvasTransform& t, const LimitFigure& figure) {
    painter.setPen(QPen(kit::wrongColour(), 2));
    painter.setBrush(Qt::white);
    for (const auto& limit : {figure.leftLimit, figure.rightLimit})
        if (limit)
            painter.drawEllipse(t.toPixels(QPointF(figure.a, *limit)), 5, 5);
    if (figure.value) {
        painter.setBrush(kit::wrongColour());
        painter.drawEllipse(t.toPixels(QPointF(figure.a, *figure.value)), 4, 4);
    }
}

} // namespace

void drawLimitFigure(QPainter& painter, const kit::CanvasTransform& t, const LimitFigure& figure) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (figure.showBands)
        drawBands(painter, t, figure);
    const QRectF world = t.world();
    painter.setPen(QPen(QColor(110, 110, 110), 1, Qt::DashDotLine));
    painter.drawLine(t.toPixels(QPointF(figure.a, world.top())),
                     t.toPixels(QPointF(figure.a, world.bottom())));
    if (figure.f)
        graphs::drawFunction(painter, t, *figure.f, graphs::functionColour(0));
    drawPointMarks(painter, t, figure);
    if (figure.showBands && figure.counterexample)
        drawCounterexample(painter, t, figure);
    painter.restore();
}

} // namespace continuity
