#include "dataanalysis/view/point_chart.h"

#include "kit/view/course_colours.h"

#include <QChart>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace dataanalysis {

namespace {
constexpr double grabDistance = 10; // pixels
constexpr std::size_t mostResidualsDrawn = 200;
} // namespace

PointChart::PointChart(QWidget* parent)
    : QChartView(parent), scatter_(new QScatterSeries), line_(new QLineSeries),
      xAxis_(new QValueAxis), yAxis_(new QValueAxis) {
    setObjectName("scatterChart");
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(200, 200);
    auto* plot = new QChart;
    plot->legend()->hide();
    plot->setMargins(QMargins(2, 2, 2, 2));
    plot->setTitle(tr("Scatter plot and least-squares line"));
    xAxis_->setLabelFormat("%g");
    yAxis_->setLabelFormat("%g");
    scatter_->setMarkerSize(10);
    scatter_->setColor(kit::pageColour());
    line_->setPen(QPen(kit::accentColour(), 2));
    plot->addAxis(xAxis_, Qt::AlignBottom);
    plot->addAxis(yAxis_, Qt::AlignLeft);
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{line_, scatter_}) {
        plot->addSeries(series);
        series->attachAxis(xAxis_);
        series->attachAxis(yAxis_);
    }
    // The view starts with a chart of its own, which setChart hands back to us.
    QChart* initial = chart();
    setChart(plot);
    delete initial;
    xAxis_->setRange(0, 10);
    yAxis_->setRange(0, 10);
}

void PointChart::setPoints(std::vector<DataPoint> points) {
    points_ = std::move(points);
    if (!points_.empty()) {
        double x0 = points_[0].x, x1 = x0, y0 = points_[0].y, y1 = y0;
        for (const auto& p : points_) {
            x0 = std::min(x0, p.x);
            x1 = std::max(x1, p.x);
            y0 = std::min(y0, p.y);
            y1 = std::max(y1, p.y);
        }
        const double padX = x1 > x0 ? (x1 - x0) * 0.15 : 1, padY = y1 > y0 ? (y1 - y0) * 0.15 : 1;
        xAxis_->setRange(x0 - padX, x1 + padX);
        yAxis_->setRange(y0 - padY, y1 + padY);
        xAxis_->applyNiceNumbers();
        yAxis_->applyNiceNumbers();
    }
    refreshPoints();
}

void PointChart::refreshPoints() {
    QList<QPointF> shown;
    for (const auto& p : points_)
        shown.append(QPointF(p.x, p.y));
    scatter_->replace(shown);
}

void PointChart::showLine(const Regression* fit) {
    line_->clear();
    const std::size_t wanted = fit ? std::min(points_.size(), mostResidualsDrawn) : 0;
    while (residuals_.size() > wanted) {
        chart()->removeSeries(residuals_.back());
        delete residuals_.back();
        residuals_.pop_back();
    }
    while (residuals_.size() < wanted) {
        auto* segment = new QLineSeries;
        segment->setPen(QPen(kit::wrongColour(), 1, Qt::DashLine));
        chart()->addSeries(segment);
        segment->attachAxis(xAxis_);
        segment->attachAxis(yAxis_);
        residuals_.push_back(segment);
    }
    if (!fit)
        return;
    const double x0 = xAxis_->min(), x1 = xAxis_->max();
    line_->append(x0, fit->intercept + fit->slope * x0);
    line_->append(x1, fit->intercept + fit->slope * x1);
    for (std::size_t i = 0; i < wanted; ++i) {
        const DataPoint& p = points_[i];
        residuals_[i]->replace(
            {QPointF(p.x, p.y), QPointF(p.x, fit->intercept + fit->slope * p.x)});
    }
}

QPointF PointChart::screenPosition(std::size_t point) const {
    const QPointF inScene =
        chart()->mapToPosition(QPointF(points_.at(point).x, points_.at(point).y), scatter_);
    return mapFromScene(chart()->mapToScene(inScene));
}

int PointChart::pointNear(const QPointF& position) const {
    int best = -1;
    double bestDistance = grabDistance;
    for (std::size_t i = 0; i < points_.size(); ++i) {
        const QPointF at = screenPosition(i);
        const double d = std::hypot(at.x() - position.x(), at.y() - position.y());
        if (d <= bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

void PointChart::mousePressEvent(QMouseEvent* event) {
    const int hit = pointNear(event->position());
    if (event->button() == Qt::RightButton) {
        if (hit >= 0) {
            points_.erase(points_.begin() + hit);
            refreshPoints();
            emit pointsEdited();
        }
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (hit >= 0) {
        dragged_ = hit;
        return;
    }
    const QPointF value = chart()->mapToValue(
        chart()->mapFromScene(mapToScene(event->position().toPoint())), scatter_);
    if (!chart()->plotArea().contains(
            chart()->mapFromScene(mapToScene(event->position().toPoint()))))
        return;
    points_.push_back({std::round(value.x() * 100) / 100, std::round(value.y() * 100) / 100});
    dragged_ = static_cast<int>(points_.size()) - 1;
    refreshPoints();
    emit pointsEdited();
}

void PointChart::mouseMoveEvent(QMouseEvent* event) {
    if (dragged_ < 0 || dragged_ >= static_cast<int>(points_.size()))
        return;
    const QPointF inChart = chart()->mapFromScene(mapToScene(event->position().toPoint()));
    const QRectF area = chart()->plotArea();
    const QPointF clamped(std::clamp(inChart.x(), area.left(), area.right()),
                          std::clamp(inChart.y(), area.top(), area.bottom()));
    const QPointF value = chart()->mapToValue(clamped, scatter_);
    points_[static_cast<std::size_t>(dragged_)] = {std::round(value.x() * 100) / 100,
                                                   std::round(value.y() * 100) / 100};
    refreshPoints();
    emit pointsEdited();
}

void PointChart::mouseReleaseEvent(QMouseEvent*) {
    dragged_ = -1;
}

} // namespace dataanalysis
