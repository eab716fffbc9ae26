#pragma once

#include "dataanalysis/core/statistics.h"

#include <QString>
#include <vector>

class QChartView;
class QWidget;

namespace dataanalysis {

// The chart views of the five parts, made and refilled here so that Qt Charts is included
// only where charts are drawn.
QChartView* makeChartView(const QString& objectName, QWidget* parent);
void showHistogram(QChartView* view, const QString& title, const std::vector<HistogramBin>& bins,
                   const QString& xTitle);
// Bars of given heights over labelled categories (a frequency table).
void showBars(QChartView* view, const QString& title, const QStringList& labels,
              const std::vector<double>& heights, const QString& yTitle);
// Stacks of dots (see DotPlot); the title says how many values a dot stands for. At most about
// maxDots dots are drawn however many values there are.
inline constexpr std::size_t maxDots = 250;
void showDotPlot(QChartView* view, const QString& title, const DotPlot& plot);
// A box plot with whiskers to the last values inside the fences and the outliers as dots.
void showBoxPlot(QChartView* view, const QString& title, const Summary& summary);

} // namespace dataanalysis
