#pragma once

#include <QTabWidget>

namespace grids2 {

// The explore area: systems of equations, a 2 × 2 matrix as a map of the plane, and
// eigenvalues with eigenvectors.
class Grids2Explore : public QTabWidget {
    Q_OBJECT
  public:
    explicit Grids2Explore(QWidget* parent = nullptr);
};

} // namespace grids2
