#include "arrows/view/space_view.h"

#include "arrows/view/arrow_drawing.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace arrows {

namespace {

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

} // namespace

SpaceView::SpaceView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void SpaceView::setArrows(std::vector<Arrow> arrows) {
    arrows_ = std::move(arrows);
    update();
}

void SpaceView::setParallelogram(std::array<double, 3> a, std::array<double, 3> b, bool visible) {
    parallelogramA_ = a;
    parallelogramB_ = b;
    parallelogramVisible_ = visible;
    update();
}

void SpaceView::setView(double turnDegrees, double tiltDegrees) {
    turn_ = std::fmod(turnDegrees, 360.0);
    tilt_ = std::clamp(tiltDegrees, -89.0, 89.0);
    update();
    emit viewTurned();
}

double SpaceView::reach() const {
    double largest = 4.0;
    for (const Arrow& arrow : arrows_)
        for (double c : arrow.components)
            largest = std::max(largest, std::abs(c));
    return largest;
}

double SpaceView::scale() const {
    return std::min(width(), height()) * 0.4 / reach();
}

QPointF SpaceView::project(const std::array<double, 3>& p) const {
    // Turn about z, then tilt about the horizontal screen axis; z points up on the screen.
    const double c = std::cos(radians(turn_)), s = std::sin(radians(turn_));
    const double x1 = c * p[0] - s * p[1];
    const double y1 = s * p[0] + c * p[1];
    const double ct = std::cos(radians(tilt_)), st = std::sin(radians(tilt_));
    const double up = ct * p[2] - st * y1;
    const double k = scale();
    return {width() / 2.0 + k * x1, height() / 2.0 - k * up};
}

void SpaceView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double reach = this->reach();
    const std::array<QString, 3> names{"x", "y", "z"};
    for (int axis = 0; axis < 3; ++axis) {
        std::array<double, 3> end{0, 0, 0}, start{0, 0, 0};
        end[static_cast<std::size_t>(axis)] = reach;
        start[static_cast<std::size_t>(axis)] = -reach;
        painter.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
        painter.drawLine(project(start), project({0, 0, 0}));
        drawArrow(painter, project({0, 0, 0}), project(end), QColor(110, 110, 110),
                  names[static_cast<std::size_t>(axis)]);
        for (int tick = 1; tick < static_cast<int>(reach); ++tick) {
            std::array<double, 3> at{0, 0, 0};
            at[static_cast<std::size_t>(axis)] = tick;
            painter.setPen(QColor(110, 110, 110));
            painter.drawEllipse(project(at), 1.5, 1.5);
        }
    }
    if (parallelogramVisible_) {
        const auto& a = parallelogramA_;
        const auto& b = parallelogramB_;
        QPolygonF shape;
        shape << project({0, 0, 0}) << project(a)
              << project({a[0] + b[0], a[1] + b[1], a[2] + b[2]}) << project(b);
        QColor fill(200, 110, 20, 60);
        painter.setPen(QPen(QColor(200, 110, 20), 1, Qt::DotLine));
        painter.setBrush(fill);
        painter.drawPolygon(shape);
    }
    for (const Arrow& arrow : arrows_)
        drawArrow(painter, project({0, 0, 0}), project(arrow.components), arrow.colour,
                  arrow.label);
    painter.setPen(QColor(80, 80, 80));
    painter.drawText(rect().adjusted(6, 4, -6, -4), Qt::AlignBottom | Qt::AlignLeft,
                     tr("Drag to turn the view (or use the arrow keys)"));
}

void SpaceView::mousePressEvent(QMouseEvent* event) {
    lastMouse_ = event->position();
    setFocus();
}

void SpaceView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPointF delta = event->position() - lastMouse_;
    lastMouse_ = event->position();
    setView(turn_ + delta.x() * 0.5, tilt_ + delta.y() * 0.5);
}

void SpaceView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        setView(turn_ - 5, tilt_);
        break;
    case Qt::Key_Right:
        setView(turn_ + 5, tilt_);
        break;
    case Qt::Key_Up:
        setView(turn_, tilt_ - 5);
        break;
    case Qt::Key_Down:
        setView(turn_, tilt_ + 5);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace arrows
