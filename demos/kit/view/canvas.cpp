#include "kit/view/canvas.h"

#include "kit/view/course_colours.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <cmath>

namespace kit {

namespace {

constexpr double pointRadius = 6.0;
constexpr double grabRadius = 10.0;

double snapped(double value, double step) {
    return step > 0 ? std::round(value / step) * step : value;
}

QString tickLabel(double value, double step) {
    if (std::fabs(value) < step * 1e-6)
        return "0";
    return QString::number(value, 'g', 8);
}

} // namespace

double niceTickStep(double pixelsPerUnit, double minimumPixels) {
    if (!(pixelsPerUnit > 0) || !std::isfinite(pixelsPerUnit))
        return 1.0;
    const double raw = minimumPixels / pixelsPerUnit;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= raw)
            return factor * power;
    return 10.0 * power;
}

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(minimumSizeHint());
}

void Canvas::setWorldRect(const QRectF& world) {
    if (!(world.width() > 0 && world.height() > 0))
        return;
    home_ = world;
    world_ = world;
    update();
    invalidateBackground();
    emit viewChanged();
}

void Canvas::setEqualAspect(bool equal) {
    equalAspect_ = equal;
    invalidateBackground();
    update();
}
void Canvas::setGridVisible(bool visible) {
    gridVisible_ = visible;
    invalidateBackground();
    update();
}
void Canvas::setAxesVisible(bool visible) {
    axesVisible_ = visible;
    invalidateBackground();
    update();
}
void Canvas::setPanZoomEnabled(bool enabled) {
    panZoom_ = enabled;
}
void Canvas::setPainterCallback(PaintCallback callback) {
    callback_ = std::move(callback);
    update();
}
void Canvas::setPointBounds(const QRectF& bounds) {
    pointBounds_ = bounds;
}

void Canvas::addPoint(const QString& id, QPointF position, double snapStep, const QString& label,
                      QColor colour) {
    removePoint(id);
    points_.push_back({id, position, snapStep, label, colour.isValid() ? colour : accentColour()});
    if (selected_ < 0)
        selected_ = 0;
    update();
}

void Canvas::setPointPosition(const QString& id, QPointF position) {
    for (auto& point : points_)
        if (point.id == id) {
            point.position = position;
            update();
        }
}

QPointF Canvas::pointPosition(const QString& id) const {
    for (const auto& point : points_)
        if (point.id == id)
            return point.position;
    return {};
}

void Canvas::removePoint(const QString& id) {
    for (std::size_t k = 0; k < points_.size(); ++k)
        if (points_[k].id == id) {
            points_.erase(points_.begin() + static_cast<std::ptrdiff_t>(k));
            selected_ = points_.empty() ? -1 : 0;
            dragging_ = -1;
            update();
            return;
        }
}

void Canvas::clearPoints() {
    points_.clear();
    selected_ = -1;
    dragging_ = -1;
    update();
}

QString Canvas::selectedPoint() const {
    return selected_ >= 0 ? points_[static_cast<std::size_t>(selected_)].id : QString();
}

QRectF Canvas::visibleWorld() const {
    if (!equalAspect_ || width() <= 0 || height() <= 0)
        return world_;
    // Grow the shorter side so that a unit is as long across as it is up.
    const double scale = std::min(width() / world_.width(), height() / world_.height());
    const double w = width() / scale, h = height() / scale;
    const QPointF c = world_.center();
    return {c.x() - w / 2, c.y() - h / 2, w, h};
}

CanvasTransform Canvas::transform() const {
    return CanvasTransform(visibleWorld(), QRectF(0, 0, width(), height()));
}

void Canvas::paintBackground(QPainter& painter, const CanvasTransform& t) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (!backgroundValid_ || background_.size() != pixels) {
        background_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        background_.setDevicePixelRatio(ratio);
        background_.fill(Qt::white);
        QPainter image(&background_);
        image.setFont(font());
        if (gridVisible_)
            paintGrid(image, t);
        if (axesVisible_)
            paintAxes(image, t);
        backgroundValid_ = true;
    }
    painter.drawImage(0, 0, background_);
}

void Canvas::resizeEvent(QResizeEvent* event) {
    invalidateBackground();
    QWidget::resizeEvent(event);
}

void Canvas::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        invalidateBackground();
    QWidget::changeEvent(event);
}

void Canvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const CanvasTransform t = transform();
    paintBackground(painter, t);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.save();
    paintWorld(painter, t);
    painter.restore();
    paintPoints(painter, t);
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(pageColour(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void Canvas::paintWorld(QPainter& painter, const CanvasTransform& t) {
    if (callback_)
        callback_(painter, t);
}

void Canvas::paintGrid(QPainter& painter, const CanvasTransform& t) const {
    const QRectF w = t.world();
    const double stepX = niceTickStep(t.scaleX(), 40);
    const double stepY = niceTickStep(t.scaleY(), 40);
    QVector<QLineF> lines;
    for (double x = std::ceil(w.left() / stepX) * stepX; x <= w.right(); x += stepX) {
        const double px = std::round(t.toPixels(QPointF(x, 0)).x()) + 0.5;
        lines.append(QLineF(px, 0, px, height()));
    }
    for (double y = std::ceil(w.top() / stepY) * stepY; y <= w.bottom(); y += stepY) {
        const double py = std::round(t.toPixels(QPointF(0, y)).y()) + 0.5;
        lines.append(QLineF(0, py, width(), py));
    }
    painter.setPen(QPen(QColor(225, 228, 235), 1));
    painter.drawLines(lines);
}

void Canvas::paintAxes(QPainter& painter, const CanvasTransform& t) const {
    const QRectF w = t.world();
    const QPointF origin = t.toPixels(QPointF(0, 0));
    const double axisY = std::clamp(origin.y(), 0.0, static_cast<double>(height() - 1));
    const double axisX = std::clamp(origin.x(), 0.0, static_cast<double>(width() - 1));
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.drawLine(QPointF(0, axisY), QPointF(width(), axisY));
    painter.drawLine(QPointF(axisX, 0), QPointF(axisX, height()));

    const QFontMetrics metrics(font());
    const double stepX = niceTickStep(t.scaleX(), 70);
    for (double x = std::ceil(w.left() / stepX) * stepX; x <= w.right(); x += stepX) {
        const double px = t.toPixels(QPointF(x, 0)).x();
        painter.drawLine(QPointF(px, axisY - 3), QPointF(px, axisY + 3));
        if (std::fabs(x) < stepX * 1e-6)
            continue;
        const QString label = tickLabel(x, stepX);
        const double below =
            axisY + 4 + metrics.ascent() < height() ? axisY + 4 + metrics.ascent() : axisY - 6;
        const double advance = metrics.horizontalAdvance(label);
        const double left =
            std::clamp(px - advance / 2.0, 2.0, std::max(2.0, width() - advance - 2));
        painter.drawText(QPointF(left, below), label);
    }
    const double stepY = niceTickStep(t.scaleY(), 50);
    for (double y = std::ceil(w.top() / stepY) * stepY; y <= w.bottom(); y += stepY) {
        const double py = t.toPixels(QPointF(0, y)).y();
        painter.drawLine(QPointF(axisX - 3, py), QPointF(axisX + 3, py));
        if (std::fabs(y) < stepY * 1e-6)
            continue;
        const QString label = tickLabel(y, stepY);
        const double advance = metrics.horizontalAdvance(label);
        const double left = axisX - 6 - advance >= 0 ? axisX - 6 - advance : axisX + 6;
        painter.drawText(QPointF(left, py + metrics.ascent() / 2.0 - 1), label);
    }
}

void Canvas::paintPoints(QPainter& painter, const CanvasTransform& t) const {
    for (std::size_t k = 0; k < points_.size(); ++k) {
        const Point& point = points_[k];
        const QPointF p = t.toPixels(point.position);
        const bool selected = static_cast<int>(k) == selected_;
        painter.setPen(QPen(selected ? pageColour() : Qt::black, selected ? 2.5 : 1.2));
        painter.setBrush(point.colour);
        painter.drawEllipse(p, pointRadius, pointRadius);
        if (!point.label.isEmpty()) {
            painter.setPen(Qt::black);
            painter.drawText(p + QPointF(pointRadius + 3, -pointRadius - 2), point.label);
        }
    }
}

int Canvas::pointAt(QPointF pixel) const {
    const CanvasTransform t = transform();
    int best = -1;
    double bestDistance = grabRadius;
    for (std::size_t k = 0; k < points_.size(); ++k) {
        const QPointF d = t.toPixels(points_[k].position) - pixel;
        const double distance = std::hypot(d.x(), d.y());
        if (distance <= bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(k);
        }
    }
    return best;
}

void Canvas::movePointTo(int index, QPointF world) {
    Point& point = points_[static_cast<std::size_t>(index)];
    QPointF target(snapped(world.x(), point.snap), snapped(world.y(), point.snap));
    if (pointBounds_.width() > 0 || pointBounds_.height() > 0) {
        const QRectF& b = pointBounds_;
        target.setX(std::clamp(target.x(), b.left(), b.left() + b.width()));
        target.setY(std::clamp(target.y(), b.top(), b.top() + b.height()));
        target = QPointF(snapped(target.x(), point.snap), snapped(target.y(), point.snap));
        // Snapping may step just outside the bounds; step back in.
        if (target.x() > b.left() + b.width())
            target.rx() -= point.snap;
        if (target.x() < b.left())
            target.rx() += point.snap;
        if (target.y() > b.top() + b.height())
            target.ry() -= point.snap;
        if (target.y() < b.top())
            target.ry() += point.snap;
    }
    if (target == point.position)
        return;
    point.position = target;
    update();
    emit pointMoved(point.id, target);
}

void Canvas::panByPixels(QPointF delta) {
    const CanvasTransform t = transform();
    world_.translate(-delta.x() / t.scaleX(), delta.y() / t.scaleY());
    update();
    invalidateBackground();
    emit viewChanged();
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const int hit = pointAt(event->position());
    if (hit >= 0) {
        selected_ = hit;
        dragging_ = hit;
        update();
    } else if (panZoom_) {
        panning_ = true;
        setCursor(Qt::ClosedHandCursor);
    }
    lastMouse_ = event->position();
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ >= 0) {
        movePointTo(dragging_, transform().toWorld(event->position()));
    } else if (panning_) {
        panByPixels(event->position() - lastMouse_);
    }
    lastMouse_ = event->position();
}

void Canvas::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = -1;
    if (panning_)
        unsetCursor();
    panning_ = false;
}

void Canvas::wheelEvent(QWheelEvent* event) {
    if (!panZoom_)
        return;
    const double factor = event->angleDelta().y() > 0 ? 1 / 1.2 : 1.2;
    // Zoom about the point under the mouse, which stays where it is.
    const QPointF anchor = transform().toWorld(event->position());
    const QPointF c = world_.center();
    const QPointF newCentre = anchor + (c - anchor) * factor;
    const double w = world_.width() * factor, h = world_.height() * factor;
    if (w < 1e-9 || w > 1e12)
        return;
    world_ = QRectF(newCentre.x() - w / 2, newCentre.y() - h / 2, w, h);
    update();
    invalidateBackground();
    emit viewChanged();
}

void Canvas::zoomBy(double factor) {
    const double w = world_.width() * factor, h = world_.height() * factor;
    if (!(factor > 0) || w < 1e-9 || w > 1e12)
        return;
    const QPointF c = world_.center();
    world_ = QRectF(c.x() - w / 2, c.y() - h / 2, w, h);
    update();
    invalidateBackground();
    emit viewChanged();
}

void Canvas::resetView() {
    world_ = home_;
    update();
    invalidateBackground();
    emit viewChanged();
}

void Canvas::keyPressEvent(QKeyEvent* event) {
    const bool pan = (event->modifiers() & Qt::ShiftModifier) || selected_ < 0;
    QPointF step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = {-1, 0};
        break;
    case Qt::Key_Right:
        step = {1, 0};
        break;
    case Qt::Key_Up:
        step = {0, 1};
        break;
    case Qt::Key_Down:
        step = {0, -1};
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        if (panZoom_)
            zoomBy(1 / 1.25);
        return;
    case Qt::Key_Minus:
        if (panZoom_)
            zoomBy(1.25);
        return;
    case Qt::Key_Home:
        resetView();
        return;
    case Qt::Key_Space:
        if (!points_.empty()) {
            selected_ = (selected_ + 1) % static_cast<int>(points_.size());
            update();
        }
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (pan) {
        if (panZoom_)
            panByPixels(QPointF(-step.x() * 40, step.y() * 40));
        return;
    }
    Point& point = points_[static_cast<std::size_t>(selected_)];
    const double unit = point.snap > 0 ? point.snap : 1.0 / transform().scaleX();
    movePointTo(selected_, point.position + step * unit);
}

} // namespace kit
