#pragma once

#include <QPointF>
#include <QRectF>

namespace kit {

// Maps world coordinates (y up) to the pixels of a canvas (y down) and back.
class CanvasTransform {
  public:
    CanvasTransform() = default;
    CanvasTransform(QRectF world, QRectF pixels) : world_(world), pixels_(pixels) {}

    QPointF toPixels(QPointF p) const {
        return {pixels_.left() + (p.x() - world_.left()) * scaleX(),
                pixels_.bottom() - (p.y() - world_.top()) * scaleY()};
    }
    QPointF toWorld(QPointF p) const {
        return {world_.left() + (p.x() - pixels_.left()) / scaleX(),
                world_.top() + (pixels_.bottom() - p.y()) / scaleY()};
    }
    // A world rectangle (top() is its lowest y) as the pixel rectangle it covers.
    QRectF toPixels(const QRectF& r) const {
        return QRectF(toPixels(QPointF(r.left(), r.top() + r.height())),
                      toPixels(QPointF(r.left() + r.width(), r.top())))
            .normalized();
    }
    double scaleX() const { return world_.width() > 0 ? pixels_.width() / world_.width() : 1.0; }
    double scaleY() const { return world_.height() > 0 ? pixels_.height() / world_.height() : 1.0; }
    // World rectangle: left() is the smallest x, top() the smallest y.
    const QRectF& world() const { return world_; }
    const QRectF& pixels() const { return pixels_; }

  private:
    QRectF world_{0, 0, 10, 10};
    QRectF pixels_{0, 0, 100, 100};
};

} // namespace kit
