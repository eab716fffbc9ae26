#include "planesurface/view/shape_drawing.h"

#include "kit/view/canvas_transform.h"
#include "kit/view/course_colours.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace planesurface {

namespace {

QPointF toQt(const Point& p) {
    return {p.x, p.y};
}

QColor fillColour() {
    QColor c = kit::pageColour();
    c.setAlpha(60);
    return c;
}

// The label of a mark beside its middle, pushed away from the figure's centre.
void drawLabel(QPainter& painter, const kit::CanvasTransform& t, const Mark& mark, QPointF centre) {
    if (mark.label.empty())
        return;
    const QPointF a = t.toPixels(toQt(mark.from)), b = t.toPixels(toQt(mark.to));
    const QPointF middle = (a + b) / 2;
    QPointF normal(-(b - a).y(), (b - a).x());
    const double length = std::hypot(normal.x(), normal.y());
    if (length > 0)
        normal /= length;
    if (mark.style == Mark::Style::Side) {
        if (QPointF::dotProduct(normal, middle - t.toPixels(centre)) < 0)
            normal = -normal;
    } else if (normal.x() < 0 || (normal.x() == 0 && normal.y() > 0)) {
        normal = -normal;
    }
    const QString text = QString::fromStdString(mark.label);
    const QFontMetricsF metrics(painter.font());
    QRectF box = metrics.boundingRect(text).adjusted(-3, -1, 3, 1);
    const QPointF offset = normal * (box.width() / 2 + 6) * std::fabs(normal.x()) +
                           normal * (box.height() / 2 + 4) * std::fabs(normal.y());
    box.moveCenter(middle + offset);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 210));
    painter.drawRoundedRect(box, 3, 3);
    painter.setPen(mark.style == Mark::Style::Side ? kit::pageColour() : kit::accentColour());
    painter.drawText(box, Qt::AlignCenter, text);
}

QPointF centreOf(const Figure& figure) {
    QPointF sum;
    int count = 0;
    for (const auto& outline : figure.outlines)
        for (const Point& p : outline) {
            sum += toQt(p);
            ++count;
        }
    return count > 0 ? sum / count : QPointF();
}

} // namespace

QRectF figureBounds(const Figure& figure) {
    double left = 0, right = 0, bottom = 0, top = 0;
    bool first = true;
    for (const auto& outline : figure.outlines)
        for (const Point& p : outline) {
            if (first) {
                left = right = p.x;
                bottom = top = p.y;
                first = false;
            }
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            bottom = std::min(bottom, p.y);
            top = std::max(top, p.y);
        }
    const double size = std::max({right - left, top - bottom, 1e-6});
    const double margin = size * 0.22;
    return {left - margin, bottom - margin, right - left + 2 * margin, top - bottom + 2 * margin};
}

void drawFigure(QPainter& painter, const kit::CanvasTransform& t, const Figure& figure) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const auto& outline : figure.outlines) {
        if (outline.empty())
            continue;
        path.moveTo(t.toPixels(toQt(outline.front())));
        for (const Point& p : outline)
            path.lineTo(t.toPixels(toQt(p)));
        path.closeSubpath();
    }
    painter.setBrush(fillColour());
    painter.setPen(QPen(kit::pageColour(), 2.5));
    painter.drawPath(path);

    painter.setBrush(Qt::NoBrush);
    for (const RightAngle& corner : figure.rightAngles) {
        const QPointF c = t.toPixels(toQt(corner.corner));
        const QPointF u(corner.u.x * 10, -corner.u.y * 10), v(corner.v.x * 10, -corner.v.y * 10);
        painter.setPen(QPen(kit::accentColour(), 1.2));
        painter.drawPolyline(QPolygonF({c + u, c + u + v, c + v}));
    }
    for (const Mark& mark : figure.marks) {
        if (mark.style == Mark::Style::Side)
            continue;
        const Qt::PenStyle style = mark.style == Mark::Style::Height ? Qt::DashLine : Qt::SolidLine;
        painter.setPen(QPen(kit::accentColour(), 1.8, style));
        painter.drawLine(t.toPixels(toQt(mark.from)), t.toPixels(toQt(mark.to)));
        if (mark.style == Mark::Style::Radius) {
            painter.setBrush(kit::accentColour());
            painter.drawEllipse(t.toPixels(toQt(mark.from)), 3, 3);
            painter.setBrush(Qt::NoBrush);
        }
    }
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 1.1);
    font.setBold(true);
    painter.setFont(font);
    const QPointF centre = centreOf(figure);
    for (const Mark& mark : figure.marks)
        drawLabel(painter, t, mark, centre);
    painter.restore();
}

} // namespace planesurface
