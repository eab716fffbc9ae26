#include "signednumbers/view/integer_line.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace signednumbers {

void configureIntegerLine(kit::Canvas& canvas, double left, double right) {
    canvas.setEqualAspect(false);
    canvas.setGridVisible(false);
    canvas.setAxesVisible(false);
    canvas.setWorldRect(QRectF(left, -2.5, right - left, 8.0));
}

void paintIntegerLine(QPainter& painter, const kit::CanvasTransform& t) {
    const QRectF world = t.world();
    const QPointF leftEnd = t.toPixels(QPointF(world.left(), 0));
    const QPointF rightEnd = t.toPixels(QPointF(world.right(), 0));
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawLine(leftEnd, rightEnd);
    // Arrow heads: the line goes on for ever both ways.
    painter.drawLine(rightEnd, rightEnd + QPointF(-8, -5));
    painter.drawLine(rightEnd, rightEnd + QPointF(-8, 5));
    painter.drawLine(leftEnd, leftEnd + QPointF(8, -5));
    painter.drawLine(leftEnd, leftEnd + QPointF(8, 5));

    const double labelStep = kit::niceTickStep(t.scaleX(), 28);
    const bool everyInteger = t.scaleX() >= 5;
    const long first = static_cast<long>(std::ceil(world.left()));
    const long last = static_cast<long>(std::floor(world.right()));
    const long step = everyInteger ? 1 : static_cast<long>(std::max(1.0, labelStep));
    QFont font = painter.font();
    for (long x = first - first % step; x <= last; x += step) {
        const QPointF at = t.toPixels(QPointF(static_cast<double>(x), 0));
        const bool labelled = x % static_cast<long>(std::max(1.0, labelStep)) == 0;
        painter.setPen(QPen(x == 0 ? kit::pageColour() : Qt::black, x == 0 ? 2.5 : 1));
        const double tick = labelled ? 7 : 4;
        painter.drawLine(at + QPointF(0, -tick), at + QPointF(0, tick));
        if (labelled) {
            font.setBold(x == 0);
            painter.setFont(font);
            const QString text = x < 0 ? QString("\u2212%1").arg(-x) : QString::number(x);
            painter.drawText(QRectF(at.x() - 30, at.y() + 9, 60, 18),
                             Qt::AlignHCenter | Qt::AlignTop, text);
        }
    }
}

void paintMoveArrow(QPainter& painter, const kit::CanvasTransform& t, double from, double to,
                    double height, const QColor& colour, const QString& label) {
    const QPointF start = t.toPixels(QPointF(from, 0));
    const QPointF end = t.toPixels(QPointF(to, 0));
    const double lift = t.scaleY() * height;
    QPainterPath arch(start);
    arch.cubicTo(start + QPointF(0, -lift), end + QPointF(0, -lift), end);
    painter.setPen(QPen(colour, 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arch);
    if (from != to) {
        const double direction = to > from ? 1 : -1;
        QPolygonF head;
        head << end << end + QPointF(-6 * direction, -11) << end + QPointF(5 * direction, -11);
        painter.setBrush(colour);
        painter.drawPolygon(head);
    }
    const QPointF top((start.x() + end.x()) / 2, start.y() - 0.75 * lift);
    painter.setPen(colour.darker(130));
    painter.drawText(QRectF(top.x() - 120, top.y() - 22, 240, 18), Qt::AlignCenter, label);
}

} // namespace signednumbers
