#pragma once

#include <QTabWidget>

namespace arrows {

class PlaneTab;
class SpaceTab;

// The explore area: vectors in the plane, and vectors in space with the cross product.
class ArrowsExplore : public QTabWidget {
    Q_OBJECT
  public:
    explicit ArrowsExplore(QWidget* parent = nullptr);
    PlaneTab* plane() const { return plane_; }
    SpaceTab* space() const { return space_; }

  private:
    PlaneTab* plane_;
    SpaceTab* space_;
};

} // namespace arrows
