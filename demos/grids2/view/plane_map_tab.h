#pragma once

#include "matrixkit/core/matrix.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPainter;
class QTextBrowser;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace grids2 {

// A 2 × 2 matrix as a map of the plane: the grid and the unit square (with a flag that shows
// the orientation) drawn with their images. The images of (1, 0) and (0, 1) are dragged, or
// the matrix is typed; both stay in step.
class PlaneMapTab : public QWidget {
    Q_OBJECT
  public:
    explicit PlaneMapTab(QWidget* parent = nullptr);

  private slots:
    void typed();
    void dragged();

  private:
    void show(const matrixkit::Matrix& a);
    void paint(QPainter& painter, const kit::CanvasTransform& t) const;

    kit::Canvas* canvas_;
    QLineEdit* field_;
    QLabel* message_;
    QTextBrowser* values_;
    matrixkit::Matrix map_;
};

} // namespace grids2
