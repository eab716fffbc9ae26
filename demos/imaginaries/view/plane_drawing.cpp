#include "imaginaries/view/plane_drawing.h"

#include <cmath>

namespace imaginaries {
namespace {

QPointF pixel(const kit::CanvasTransform& t, std::complex<double> z) {
    return t.toPixels(QPointF(z.real(), z.imag()));
}

QString shortNumber(double value) {
    if (std::abs(value) < 5e-4)
        value = 0;
    return QString::number(value, 'g', 4);
}

} // namespace

void drawArrow(QPainter& painter, const kit::CanvasTransform& t, std::complex<double> from,
               std::complex<double> to, const QColor& colour, const QString& label,
               Qt::PenStyle style) {
    const QPointF a = pixel(t, from);
    const QPointF b = pixel(t, to);
    painter.setPen(QPen(colour, 2, style));
    painter.drawLine(a, b);
    const QPointF direction = b - a;
    const double length = std::hypot(direction.x(), direction.y());
    if (length > 8) {
        const QPointF unit = direction / length;
        const QPointF normal(-unit.y(), unit.x());
        painter.setBrush(colour);
        painter.setPen(QPen(colour, 1));
        painter.drawPolygon(QPolygonF({b, b - unit * 10 + normal * 4, b - unit * 10 - normal * 4}));
    }
    painter.setPen(colour);
    painter.drawText(b + QPointF(6, -6), label);
}

void drawDot(QPainter& painter, const kit::CanvasTransform& t, std::complex<double> at,
             const QColor& colour, const QString& label) {
    const QPointF p = pixel(t, at);
    painter.setPen(QPen(colour, 1));
    painter.setBrush(colour);
    painter.drawEllipse(p, 4, 4);
    painter.drawText(p + QPointF(6, -6), label);
}

QString shortComplexText(std::complex<double> z) {
    const double re = std::abs(z.real()) < 5e-4 ? 0 : z.real();
    const double im = std::abs(z.imag()) < 5e-4 ? 0 : z.imag();
    if (im == 0)
        return shortNumber(re);
    const QString imaginary = (std::abs(im) == 1 ? QString() : shortNumber(std::abs(im))) + "i";
    if (re == 0)
        return (im < 0 ? "\u2212" : "") + imaginary;
    return shortNumber(re) + (im < 0 ? " \u2212 " : " + ") + imaginary;
}

} // namespace imaginaries
