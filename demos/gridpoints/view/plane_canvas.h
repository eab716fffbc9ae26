#pragma once

#include "kit/view/canvas.h"

#include <QStringList>

namespace gridpoints {

// The coordinate plane: the kit's canvas, where a click on an empty place also puts the
// selected point there (snapped to the grid), so points can be clicked as well as dragged.
class PlaneCanvas : public kit::Canvas {
    Q_OBJECT
  public:
    explicit PlaneCanvas(QWidget* parent = nullptr);
    void setPlaceablePoints(QStringList ids) { placeable_ = std::move(ids); }
    // Puts the selected point at a world position as a click there would.
    void placeSelectedAt(QPointF world);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pointNear(QPointF pixel) const;

    QStringList placeable_;
    QPointF pressedAt_;
    bool pressOnEmpty_ = false;
};

} // namespace gridpoints
