#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <array>
#include <vector>

namespace arrows {

// Vectors with three components drawn in perspective from a turning point of view: dragging
// turns the axes (left and right about the z axis, up and down tilts), and the arrow keys do
// the same in steps of 5°.
class SpaceView : public QWidget {
    Q_OBJECT
  public:
    struct Arrow {
        std::array<double, 3> components;
        QColor colour;
        QString label;
    };

    explicit SpaceView(QWidget* parent = nullptr);
    void setArrows(std::vector<Arrow> arrows);
    // The parallelogram spanned by two vectors, shaded (its area is |a × b|).
    void setParallelogram(std::array<double, 3> a, std::array<double, 3> b, bool visible);
    double turn() const { return turn_; }
    double tilt() const { return tilt_; }
    void setView(double turnDegrees, double tiltDegrees);
    // Where a point in space lands on the widget at the present view.
    QPointF project(const std::array<double, 3>& p) const;

    QSize sizeHint() const override { return {520, 420}; }
    QSize minimumSizeHint() const override { return {240, 180}; }

  signals:
    void viewTurned();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

  private:
    // The largest component shown (at least 4): the axes reach that far.
    double reach() const;
    double scale() const;

    std::vector<Arrow> arrows_;
    std::array<double, 3> parallelogramA_{}, parallelogramB_{};
    bool parallelogramVisible_ = false;
    double turn_ = 30.0;
    double tilt_ = 20.0;
    QPointF lastMouse_;
};

} // namespace arrows
