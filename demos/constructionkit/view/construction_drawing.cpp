#include "constructionkit/view/construction_drawing.h"

#include "kit/view/canvas_transform.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace constructions {
namespace {

QPointF pixel(const kit::CanvasTransform& t, Vec2 p) {
    return t.toPixels(QPointF(p.x, p.y));
}

// Far enough to leave any view: whole lines and rays are clipped by the painter.
constexpr double farAway = 2000.0;

void drawStraightEdge(QPainter& painter, QPointF from, QPointF to) {
    const QLineF line(from, to);
    if (line.length() < 1.0)
        return;
    painter.save();
    painter.translate(from);
    painter.rotate(-line.angle());
    painter.setPen(QPen(QColor(90, 70, 40), 1));
    painter.setBrush(QColor(230, 200, 140, 150));
    painter.drawRect(QRectF(-30, 2, line.length() + 60, 16));
    for (double x = 0; x < line.length() + 30; x += 10)
        painter.drawLine(QPointF(x, 2), QPointF(x, std::fmod(x, 50.0) == 0.0 ? 10 : 6));
    painter.restore();
}

void drawCompass(QPainter& painter, QPointF centre, QPointF pencil) {
    const QLineF leg(centre, pencil);
    if (leg.length() < 1.0)
        return;
    const QPointF middle = (centre + pencil) / 2.0;
    const QPointF normal(-(pencil.y() - centre.y()), pencil.x() - centre.x());
    const double lift = std::min(90.0, 0.5 * leg.length()) / leg.length();
    QPointF hinge = middle + lift * normal;
    if (hinge.y() > middle.y())
        hinge = middle - lift * normal;
    painter.save();
    painter.setPen(QPen(QColor(60, 60, 70), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(hinge, centre);
    painter.setPen(QPen(QColor(60, 60, 70), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(hinge, pencil);
    painter.setBrush(QColor(60, 60, 70));
    painter.drawEllipse(hinge, 5, 5);
    painter.setBrush(QColor(200, 110, 20));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(pencil, 3, 3);
    painter.restore();
}

void drawLineObject(QPainter& painter, const kit::CanvasTransform& t, const ConstructionObject& o,
                    const Line& line, const DrawState& state) {
    const Vec2 dir = (1.0 / length(line.b - line.a)) * (line.b - line.a);
    Vec2 from = line.a;
    Vec2 to = line.b;
    if (o.extent == LineExtent::Whole) {
        from = line.a - farAway * dir;
        to = line.a + farAway * dir;
    } else if (o.extent == LineExtent::Ray) {
        to = line.a + farAway * dir;
    }
    if (state.progress < 1.0) {
        // The pencil runs along the edge from the first point to a little past the second.
        const double reach =
            (o.extent == LineExtent::Segment ? 1.0 : 1.6) * distance(line.a, line.b);
        from = o.extent == LineExtent::Whole
                   ? line.a - (0.6 * distance(line.a, line.b) * state.progress) * dir
                   : line.a;
        to = line.a + (reach * state.progress) * dir;
    }
    painter.setPen(QPen(state.colour, o.extent == LineExtent::Whole ? 1.5 : 2.5));
    painter.drawLine(pixel(t, from), pixel(t, to));
    if (state.showTool) {
        const Vec2 edgeEnd = line.a + (1.6 * distance(line.a, line.b)) * dir;
        drawStraightEdge(painter, pixel(t, line.a - (0.3 * distance(line.a, line.b)) * dir),
                         pixel(t, edgeEnd));
    }
}

Vec2 startOfArc(const Construction& c, const Figure& f, const ConstructionObject& o,
                const Circle& circle) {
    if (const auto through = f.point(c, o.through))
        return *through;
    return circle.centre + Vec2{circle.radius, 0.0};
}

void drawCircleObject(QPainter& painter, const kit::CanvasTransform& t, const Construction& c,
                      const Figure& f, const ConstructionObject& o, const Circle& circle,
                      const DrawState& state) {
    const QPointF centre = pixel(t, circle.centre);
    const double rx = circle.radius * t.scaleX();
    const double ry = circle.radius * t.scaleY();
    const QRectF box(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    painter.setPen(QPen(state.colour, 1.5));
    painter.setBrush(Qt::NoBrush);
    if (state.progress >= 1.0) {
        painter.drawEllipse(box);
        return;
    }
    const Vec2 start = startOfArc(c, f, o, circle);
    const double startAngle = std::atan2(start.y - circle.centre.y, start.x - circle.centre.x);
    const double sweep = 2.0 * std::numbers::pi * state.progress;
    QPainterPath arc;
    arc.arcMoveTo(box, startAngle * 180.0 / std::numbers::pi);
    arc.arcTo(box, startAngle * 180.0 / std::numbers::pi, sweep * 180.0 / std::numbers::pi);
    painter.drawPath(arc);
    if (state.showTool) {
        const Vec2 pencil = circle.centre + Vec2{circle.radius * std::cos(startAngle + sweep),
                                                 circle.radius * std::sin(startAngle + sweep)};
        drawCompass(painter, centre, pixel(t, pencil));
    }
}

} // namespace

void drawMarkedPoint(QPainter& painter, const kit::CanvasTransform& t, Vec2 at, const QString& name,
                     const QColor& colour) {
    const QPointF p = pixel(t, at);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(colour);
    painter.drawEllipse(p, 4, 4);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(p + QPointF(7, -7), name);
}

void drawFigureObject(QPainter& painter, const kit::CanvasTransform& t, const Construction& c,
                      const Figure& f, int index, const DrawState& state) {
    const ConstructionObject& o = c.objects[static_cast<std::size_t>(index)];
    const PlacedObject& placed = f.objects[static_cast<std::size_t>(index)];
    if (!placed.defined)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (o.kind == ObjectKind::Line)
        drawLineObject(painter, t, o, placed.line, state);
    else if (o.kind == ObjectKind::Circle)
        drawCircleObject(painter, t, c, f, o, placed.circle, state);
    else if (!o.given)
        drawMarkedPoint(painter, t, placed.point, QString::fromStdString(o.name), state.colour);
    painter.restore();
}

} // namespace constructions
