#include "gridpoints/view/plane_drawing.h"

#include "kit/view/canvas_transform.h"
#include "kit/view/course_colours.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace gridpoints {

namespace {

const QColor lineColour(34, 85, 136);
const QColor helperColour(120, 120, 120);
const QColor resultColour(20, 110, 40);
const QColor secondColour(170, 30, 30);

QPointF at(const ExactPoint& p) {
    return {p.x.get_d(), p.y.get_d()};
}

void segment(QPainter& painter, const kit::CanvasTransform& t, QPointF a, QPointF b, QPen pen) {
    painter.setPen(pen);
    painter.drawLine(t.toPixels(a), t.toPixels(b));
}

void label(QPainter& painter, const kit::CanvasTransform& t, QPointF where, const QString& text,
           QColor colour, QPointF offset = {8, -8}) {
    const QPointF p = t.toPixels(where) + offset;
    QRectF box = painter.fontMetrics().boundingRect(text).adjusted(-3, -1, 3, 1);
    box.moveTopLeft(p - QPointF(0, box.height()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawRect(box);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

void marker(QPainter& painter, const kit::CanvasTransform& t, QPointF where, const QString& name,
            QColor colour) {
    painter.setPen(QPen(colour, 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(t.toPixels(where), 5, 5);
    painter.setBrush(Qt::NoBrush);
    label(painter, t, where, name, colour);
}

// The whole line across (far beyond) the view.
void wholeLine(QPainter& painter, const kit::CanvasTransform& t, const Line& line, QPen pen) {
    const QRectF w = t.world();
    const double reach = 4 * (std::fabs(w.left()) + std::fabs(w.right()) + std::fabs(w.top()) +
                              std::fabs(w.bottom()) + w.width() + w.height());
    const double a = line.a.get_d(), b = line.b.get_d(), c = line.c.get_d();
    const double norm = a * a + b * b;
    const QPointF foot(a * c / norm, b * c / norm);
    const QPointF direction(-b / std::sqrt(norm), a / std::sqrt(norm));
    segment(painter, t, foot - direction * reach, foot + direction * reach, pen);
}

void rightTriangle(QPainter& painter, const kit::CanvasTransform& t, const ExactPoint& a,
                   const ExactPoint& b) {
    const QPointF corner(b.x.get_d(), a.y.get_d());
    const QPen dashed(helperColour, 1.5, Qt::DashLine);
    segment(painter, t, at(a), corner, dashed);
    segment(painter, t, corner, at(b), dashed);
    label(painter, t, (at(a) + corner) / 2,
          QString("\u0394x = %1").arg(QString::fromStdString(mpq_class(b.x - a.x).get_str())),
          helperColour, {-20, 18});
    label(painter, t, (corner + at(b)) / 2,
          QString("\u0394y = %1").arg(QString::fromStdString(mpq_class(b.y - a.y).get_str())),
          helperColour, {8, 0});
}

} // namespace

void drawMode(QPainter& painter, const kit::CanvasTransform& t, PlaneMode mode,
              const std::vector<ExactPoint>& p, const mpq_class& m, const mpq_class& n) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen thick(lineColour, 2.5);
    switch (mode) {
    case PlaneMode::Distance:
        rightTriangle(painter, t, p[0], p[1]);
        segment(painter, t, at(p[0]), at(p[1]), thick);
        label(painter, t, (at(p[0]) + at(p[1])) / 2,
              "AB = " + QString::fromStdString(distanceText(p[0], p[1])), lineColour, {-60, -10});
        break;
    case PlaneMode::Line:
        if (!(p[0] == p[1])) {
            wholeLine(painter, t, lineThrough(p[0], p[1]), thick);
            if (p[0].x != p[1].x)
                rightTriangle(painter, t, p[0], p[1]);
        }
        break;
    case PlaneMode::ParallelPerpendicular:
        if (!(p[0] == p[1])) {
            const Line line = lineThrough(p[0], p[1]);
            wholeLine(painter, t, line, thick);
            wholeLine(painter, t, parallelThrough(line, p[2]), QPen(resultColour, 2, Qt::DashLine));
            const Line perpendicular = perpendicularThrough(line, p[2]);
            wholeLine(painter, t, perpendicular, QPen(secondColour, 2));
            if (const auto foot = intersection(line, perpendicular))
                marker(painter, t, at(*foot), "F", secondColour);
        }
        break;
    case PlaneMode::PolygonArea: {
        QPolygonF polygon;
        for (const ExactPoint& corner : p)
            polygon << t.toPixels(at(corner));
        QColor fill = lineColour;
        fill.setAlpha(50);
        painter.setBrush(fill);
        painter.setPen(thick);
        painter.drawPolygon(polygon);
        break;
    }
    case PlaneMode::Midpoint:
        segment(painter, t, at(p[0]), at(p[1]), thick);
        marker(painter, t, at(midpoint(p[0], p[1])), "M", resultColour);
        break;
    case PlaneMode::Section:
        segment(painter, t, at(p[0]), at(p[1]), thick);
        marker(painter, t, at(sectionPoint(p[0], p[1], m, n)), "P", resultColour);
        break;
    case PlaneMode::Centroid: {
        QPolygonF triangle({t.toPixels(at(p[0])), t.toPixels(at(p[1])), t.toPixels(at(p[2]))});
        painter.setPen(thick);
        painter.drawPolygon(triangle);
        const QPen median(helperColour, 1.5, Qt::DashLine);
        for (int k = 0; k < 3; ++k) {
            const ExactPoint& corner = p[static_cast<std::size_t>(k)];
            const ExactPoint mid = midpoint(p[static_cast<std::size_t>((k + 1) % 3)],
                                            p[static_cast<std::size_t>((k + 2) % 3)]);
            segment(painter, t, at(corner), at(mid), median);
        }
        marker(painter, t, at(centroid(p[0], p[1], p[2])), "G", resultColour);
        break;
    }
    case PlaneMode::Circle: {
        const double r = distance(p[0], p[1]).approximate();
        const QRectF box = t.toPixels(QRectF(p[0].x.get_d() - r, p[0].y.get_d() - r, 2 * r, 2 * r));
        painter.setPen(thick);
        painter.drawEllipse(box);
        segment(painter, t, at(p[0]), at(p[1]), QPen(resultColour, 2));
        label(painter, t, (at(p[0]) + at(p[1])) / 2,
              "r = " + QString::fromStdString(distanceText(p[0], p[1])), resultColour);
        break;
    }
    }
    painter.restore();
}

} // namespace gridpoints
