#pragma once

#include "dataanalysis/core/least_squares.h"

#include <QChartView>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace dataanalysis {

// The scatter plot of the least-squares tab: a click on empty ground adds a point, a point is
// dragged with the left button and deleted with the right one. The fitted line and the
// residuals (vertical segments from each point to the line) are drawn over the points.
class PointChart : public QChartView {
    Q_OBJECT
  public:
    explicit PointChart(QWidget* parent = nullptr);

    const std::vector<DataPoint>& points() const { return points_; }
    void setPoints(std::vector<DataPoint> points); // rescales the axes to the points
    // The line to draw, or none when fewer than two distinct x are present.
    void showLine(const Regression* line);
    QPointF screenPosition(std::size_t point) const;

  signals:
    void pointsEdited();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int pointNear(const QPointF& position) const;
    void refreshPoints();

    std::vector<DataPoint> points_;
    int dragged_ = -1;
    QScatterSeries* scatter_;
    QLineSeries* line_;
    std::vector<QLineSeries*> residuals_;
    QValueAxis* xAxis_;
    QValueAxis* yAxis_;
};

} // namespace dataanalysis
