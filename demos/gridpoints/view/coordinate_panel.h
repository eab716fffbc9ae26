#pragma once

#include "gridpoints/core/plane_readout.h"

#include <QWidget>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTextBrowser;

namespace gridpoints {

class PlaneCanvas;

// The coordinate plane with the points A, B, C, ... typed as (x, y) or dragged and clicked on
// the grid, one of the given modes chosen, and its computation written exactly underneath.
class CoordinatePanel : public QWidget {
    Q_OBJECT
  public:
    CoordinatePanel(std::vector<PlaneMode> modes, QWidget* parent = nullptr);

    PlaneMode mode() const;
    const std::vector<ExactPoint>& points() const { return points_; }

  public slots:
    void refresh();

  private:
    void pointTyped(std::size_t index);
    void pointDragged(const QString& id, QPointF position);
    bool readRatio();
    std::size_t used() const;
    std::vector<ExactPoint> usedPoints() const;

    std::vector<PlaneMode> modes_;
    QComboBox* modeChooser_;
    QSpinBox* corners_;
    QLabel* cornersLabel_;
    std::vector<QLabel*> pointLabels_;
    std::vector<QLineEdit*> pointFields_;
    QLabel* pointError_;
    QLabel* ratioLabel_;
    QLineEdit* ratioM_;
    QLineEdit* ratioN_;
    QLabel* ratioColon_;
    PlaneCanvas* canvas_;
    QTextBrowser* values_;
    std::vector<ExactPoint> points_;
    mpq_class m_ = 1;
    mpq_class n_ = 2;
};

} // namespace gridpoints
