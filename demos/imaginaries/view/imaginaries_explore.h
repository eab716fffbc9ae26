#pragma once

#include <QTabWidget>

namespace imaginaries {

class PlaneTab;
class RootsTab;

// The explore area: the plane with z and w, roots and powers, quadratics.
class ComplexExplore : public QTabWidget {
    Q_OBJECT
  public:
    explicit ComplexExplore(QWidget* parent = nullptr);
    PlaneTab* plane() const { return plane_; }

  private:
    PlaneTab* plane_;
};

} // namespace imaginaries
