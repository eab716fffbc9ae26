#include "gridpoints/view/plane_canvas.h"

#include <QMouseEvent>
#include <cmath>

namespace gridpoints {

namespace {
constexpr double clickSlack = 4.0; // pixels a click may move and still be a click
constexpr double grabDistance = 12.0;
} // namespace

PlaneCanvas::PlaneCanvas(QWidget* parent) : kit::Canvas(parent) {}

bool PlaneCanvas::pointNear(QPointF pixel) const {
    const kit::CanvasTransform t = transform();
    for (const QString& id : placeable_) {
        const QPointF p = t.toPixels(pointPosition(id));
        if (std::hypot(p.x() - pixel.x(), p.y() - pixel.y()) <= grabDistance)
            return true;
    }
    return false;
}

void PlaneCanvas::placeSelectedAt(QPointF world) {
    const QString id = selectedPoint();
    if (id.isEmpty() || !placeable_.contains(id))
        return;
    const QPointF snapped(std::round(world.x()), std::round(world.y()));
    setPointPosition(id, snapped);
    emit pointMoved(id, snapped);
}

void PlaneCanvas::mousePressEvent(QMouseEvent* event) {
    pressedAt_ = event->position();
    pressOnEmpty_ = event->button() == Qt::LeftButton && !pointNear(event->position());
    kit::Canvas::mousePressEvent(event);
}

void PlaneCanvas::mouseReleaseEvent(QMouseEvent* event) {
    kit::Canvas::mouseReleaseEvent(event);
    const QPointF moved = event->position() - pressedAt_;
    if (pressOnEmpty_ && std::hypot(moved.x(), moved.y()) <= clickSlack)
        placeSelectedAt(transform().toWorld(event->position()));
    pressOnEmpty_ = false;
}

} // namespace gridpoints
