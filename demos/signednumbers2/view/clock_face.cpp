#include "signednumbers2/view/clock_face.h"

#include "signednumbers2/core/congruence.h"

#include "kit/view/course_colours.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace signednumbers2 {

ClockFace::ClockFace(QWidget* parent) : QWidget(parent) {
    setObjectName("clockFace");
    setMouseTracking(false);
}

void ClockFace::setNumbers(long n, long a, long b) {
    n_ = n;
    a_ = a;
    b_ = b;
    update();
}

QPointF ClockFace::centre() const {
    return QPointF(width() / 2.0, height() / 2.0);
}

double ClockFace::radius() const {
    return 0.36 * std::min(width(), height());
}

// Hour 0 at the top, counting clockwise.
QPointF ClockFace::hourPosition(long hour, double radius) const {
    const double angle = 2 * std::numbers::pi * static_cast<double>(hour) / static_cast<double>(n_);
    return centre() + QPointF(radius * std::sin(angle), -radius * std::cos(angle));
}

void ClockFace::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    const double r = radius();
    painter.setPen(QPen(kit::pageColour(), 3));
    painter.setBrush(kit::bubbleColour());
    painter.drawEllipse(centre(), r, r);

    const long hourA = leastResidue(a_, n_).get_si();
    const long hourB = leastResidue(b_, n_).get_si();
    // a's walk: |a| single steps from 0, forwards for a > 0 and backwards for a < 0, drawn
    // inwards turn by turn (at most a few turns are drawn).
    const long steps = std::min(std::labs(a_), 6 * n_);
    QPainterPath walk(hourPosition(0, r * 0.92));
    for (long s = 1; s <= steps; ++s) {
        const double shrink = 0.92 - 0.1 * static_cast<double>(s) / static_cast<double>(n_);
        const long hour = a_ >= 0 ? s : -s;
        const double angle =
            2 * std::numbers::pi * static_cast<double>(hour) / static_cast<double>(n_);
        walk.lineTo(centre() +
                    QPointF(r * shrink * std::sin(angle), -r * shrink * std::cos(angle)));
    }
    painter.setPen(QPen(kit::accentColour(), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(walk);

    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * (n_ > 16 ? 1.0 : 1.3));
    painter.setFont(font);
    for (long hour = 0; hour < n_; ++hour) {
        const QPointF mark = hourPosition(hour, r);
        const bool isA = hour == hourA;
        const bool isB = hour == hourB;
        painter.setPen(Qt::NoPen);
        painter.setBrush(isA && isB ? kit::rightColour()
                         : isA      ? kit::pageColour()
                         : isB      ? kit::wrongColour()
                                    : QColor(120, 120, 120));
        const double dot = isA || isB ? 9 : 4;
        painter.drawEllipse(mark, dot, dot);
        painter.setPen(Qt::black);
        const QPointF label = hourPosition(hour, r + 22);
        painter.drawText(QRectF(label.x() - 20, label.y() - 11, 40, 22), Qt::AlignCenter,
                         QString::number(hour));
    }
    painter.setPen(kit::pageColour());
    painter.drawText(QRectF(0, 4, width(), 20), Qt::AlignCenter,
                     QString("mod %1: a \u2261 %2 (blue), b \u2261 %3 (red)%4")
                         .arg(n_)
                         .arg(hourA)
                         .arg(hourB)
                         .arg(hourA == hourB ? ", the same hour (green)" : ""));
}

void ClockFace::mousePressEvent(QMouseEvent* event) {
    const QPointF offset = event->position() - centre();
    if (std::hypot(offset.x(), offset.y()) < radius() * 0.5)
        return;
    double angle = std::atan2(offset.x(), -offset.y());
    if (angle < 0)
        angle += 2 * std::numbers::pi;
    const long hour = std::lround(angle / (2 * std::numbers::pi) * static_cast<double>(n_)) % n_;
    emit hourClicked(hour);
}

} // namespace signednumbers2
