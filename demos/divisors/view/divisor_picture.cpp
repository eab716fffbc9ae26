#include "divisors/view/divisor_picture.h"

#include "kit/view/course_colours.h"
#include "kit/view/curve_stroke.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace divisors {

DivisorPicture::DivisorPicture(QWidget* parent) : kit::Canvas(parent) {
    setObjectName("divisorPicture");
    connect(this, &kit::Canvas::pointMoved, this, [this](const QString&, QPointF p) {
        width_ = std::lround(p.x());
        update();
        emit rectangleWidthChanged(width_);
    });
    setNumber(12);
}

void DivisorPicture::setNumber(const mpz_class& n) {
    drawn_ = n <= largestDrawn;
    n_ = drawn_ ? n.get_si() : 1;
    long a = static_cast<long>(std::floor(std::sqrt(static_cast<double>(n_))));
    while (a > 1 && n_ % a != 0)
        --a;
    const double side = static_cast<double>(n_) + 1.5;
    setWorldRect(QRectF(-0.1 * side, -0.1 * side, 1.2 * side, 1.2 * side));
    setPointBounds(QRectF(1, 0, static_cast<double>(n_ - 1), 0));
    clearPoints();
    if (drawn_)
        addPoint("width", QPointF(static_cast<double>(a), 0), 1.0, "a");
    width_ = a;
    update();
    emit rectangleWidthChanged(width_);
}

void DivisorPicture::setRectangleWidth(long a) {
    if (!drawn_ || a < 1 || a > n_)
        return;
    setPointPosition("width", QPointF(static_cast<double>(a), 0));
    width_ = a;
    update();
    emit rectangleWidthChanged(width_);
}

void DivisorPicture::paintWorld(QPainter& painter, const kit::CanvasTransform& t) {
    if (!drawn_)
        return;
    paintSquares(painter, t);
    paintPairs(painter, t);
}

void DivisorPicture::paintSquares(QPainter& painter, const kit::CanvasTransform& t) const {
    const long q = n_ / width_, r = n_ % width_;
    const QColor fill = r == 0 ? QColor(170, 210, 170) : kit::bubbleColour().darker(108);
    const bool unitLines = t.scaleX() >= 4.0;
    painter.setPen(unitLines ? QPen(QColor(90, 90, 90), 0.8) : Qt::NoPen);
    painter.setBrush(fill);
    if (unitLines) {
        for (long row = 0; row < q; ++row)
            for (long col = 0; col < width_; ++col)
                painter.drawRect(
                    t.toPixels(QRectF(static_cast<double>(col), static_cast<double>(row), 1, 1)));
    } else {
        painter.drawRect(
            t.toPixels(QRectF(0, 0, static_cast<double>(width_), static_cast<double>(q))));
    }
    // The remainder: r squares that do not make a whole row.
    painter.setBrush(QColor(240, 170, 120));
    for (long col = 0; col < r; ++col)
        painter.drawRect(
            t.toPixels(QRectF(static_cast<double>(col), static_cast<double>(q), 1, 1)));
    painter.setPen(QPen(r == 0 ? kit::rightColour() : kit::wrongColour(), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(t.toPixels(QRectF(0, 0, static_cast<double>(width_), static_cast<double>(q))));
}

void DivisorPicture::paintPairs(QPainter& painter, const kit::CanvasTransform& t) const {
    // The curve x y = n through every divisor pair (d, n/d).
    QPainterPath curve;
    const double n = static_cast<double>(n_);
    const double right = t.world().right();
    bool first = true;
    for (double x = std::max(0.3, n / (t.world().bottom() + 1)); x <= right; x *= 1.02) {
        const QPointF p = t.toPixels(QPointF(x, n / x));
        if (first)
            curve.moveTo(p);
        else
            curve.lineTo(p);
        first = false;
    }
    painter.setPen(QPen(kit::pageColour(), 1.2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    kit::strokeCurve(painter, curve);
    painter.setBrush(kit::pageColour());
    painter.setPen(Qt::NoPen);
    for (long d = 1; d <= n_; ++d)
        if (n_ % d == 0)
            painter.drawEllipse(
                t.toPixels(QPointF(static_cast<double>(d), n / static_cast<double>(d))), 3.5, 3.5);
}

} // namespace divisors
