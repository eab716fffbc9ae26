#include "arrows/view/arrow_drawing.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace arrows {

void drawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour,
               const QString& label, bool dashed) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(colour, 2.5);
    if (dashed)
        pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    const QLineF line(from, to);
    if (line.length() < 1.0) {
        painter.setBrush(colour);
        painter.drawEllipse(to, 3, 3);
        painter.restore();
        return;
    }
    const double head = std::min(12.0, line.length() / 2);
    const QLineF back = QLineF(to, from).unitVector();
    const QPointF direction = (back.p2() - back.p1()) * head;
    const QPointF normal(-direction.y() * 0.45, direction.x() * 0.45);
    painter.drawLine(from, to + direction * 0.6);
    QPainterPath tip;
    tip.moveTo(to);
    tip.lineTo(to + direction + normal);
    tip.lineTo(to + direction - normal);
    tip.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.fillPath(tip, colour);
    if (!label.isEmpty()) {
        QFont font = painter.font();
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(to - direction * 0.3 + QPointF(8, -6), label);
    }
    painter.restore();
}

} // namespace arrows
