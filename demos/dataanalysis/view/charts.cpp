#include "dataanalysis/view/charts.h"

#include "kit/view/course_colours.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBoxPlotSeries>
#include <QBoxSet>
#include <QChart>
#include <QChartView>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <map>

namespace dataanalysis {

namespace {

QChart* freshChart(QChartView* view, const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->hide();
    chart->setMargins(QMargins(6, 6, 10, 6));
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
    return chart;
}

QFont labelFont(const QAbstractAxis* axis) {
    QFont font = axis->labelsFont();
    font.setPointSize(8);
    return font;
}

// The bars themselves, on a category axis that the caller labels or hides.
QBarCategoryAxis* addBars(QChart* chart, const QStringList& categories,
                          const std::vector<double>& heights, const QString& yTitle) {
    auto* set = new QBarSet(yTitle);
    set->setColor(kit::pageColour());
    set->setBorderColor(kit::pageColour().darker(140));
    double top = 1;
    for (double h : heights) {
        *set << h;
        top = std::max(top, h);
    }
    auto* series = new QBarSeries;
    series->append(set);
    series->setBarWidth(1.0);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    x->setLabelsFont(labelFont(x));
    auto* y = new QValueAxis;
    y->setRange(0, top * 1.1);
    y->applyNiceNumbers();
    y->setTitleText(yTitle);
    y->setLabelFormat("%g");
    y->setLabelsFont(labelFont(y));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    return x;
}

// A tick every k classes, k the smallest that keeps to `most` labels, so that each label
// stands on a class border.
double tickStep(double width, std::size_t classes, std::size_t most) {
    std::size_t every = 1;
    while (classes / every > most)
        ++every;
    return width * static_cast<double>(every);
}

} // namespace

QChartView* makeChartView(const QString& objectName, QWidget* parent) {
    auto* view = new QChartView(parent);
    view->setObjectName(objectName);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(280, 230);
    return view;
}

void showBars(QChartView* view, const QString& title, const QStringList& labels,
              const std::vector<double>& heights, const QString& yTitle) {
    QChart* chart = freshChart(view, title);
    QBarCategoryAxis* x = addBars(chart, labels, heights, yTitle);
    int longest = 0;
    for (const QString& label : labels)
        longest = std::max(longest, static_cast<int>(label.size()));
    // Labels side by side while they fit in the plot's width (about 7 pixels a character at
    // this size), turned when they would overlap or be shortened.
    const int room = std::max(view->width() - 90, 150);
    x->setLabelsAngle(labels.size() * (longest + 1) * 7 > room ? -60 : 0);
}

void showHistogram(QChartView* view, const QString& title, const std::vector<HistogramBin>& bins,
                   const QString& xTitle) {
    QChart* chart = freshChart(view, title);
    std::vector<double> heights;
    QStringList categories;
    for (const auto& bin : bins) {
        heights.push_back(static_cast<double>(bin.count));
        categories << QString::number(categories.size());
    }
    QBarCategoryAxis* classes = addBars(chart, categories, heights, QObject::tr("frequency"));
    classes->setVisible(false);
    if (bins.empty())
        return;
    // The bars fill the plot from the first class's lower border to the last one's upper
    // border, so a value axis over that range puts each tick on a class border.
    const double low = bins.front().lower, high = bins.back().upper;
    const double width = bins.front().upper - bins.front().lower;
    auto* x = new QValueAxis;
    x->setRange(low, high + width * 1e-9); // the last border's tick, despite rounding
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(low);
    x->setTickInterval(tickStep(width, bins.size(), 5));
    x->setLabelFormat(width >= 10 ? "%.0f" : width >= 1 ? "%.1f" : "%.3g");
    x->setLabelsFont(labelFont(x));
    x->setTitleText(xTitle);
    chart->addAxis(x, Qt::AlignBottom);
}

void showDotPlot(QChartView* view, const QString& title, const DotPlot& plot) {
    QChart* chart = freshChart(view, title);
    auto* dots = new QScatterSeries;
    dots->setMarkerSize(plot.valuesPerDot > 1 || plot.columns.size() > 25 ? 6 : 9);
    dots->setColor(kit::accentColour());
    dots->setBorderColor(kit::accentColour().darker(130));
    double low = 0, high = 1;
    std::size_t tallest = 1;
    QList<QPointF> points; // handed over at once: one change for the series, not one a dot
    for (std::size_t i = 0; i < plot.columns.size(); ++i) {
        const DotColumn& column = plot.columns[i];
        for (std::size_t d = 1; d <= column.dots; ++d)
            points.append(QPointF(column.at, static_cast<double>(d)));
        tallest = std::max(tallest, column.dots);
        low = i == 0 ? column.at : std::min(low, column.at);
        high = i == 0 ? column.at : std::max(high, column.at);
    }
    dots->replace(points);
    chart->addSeries(dots);
    auto* x = new QValueAxis;
    const double pad = high > low ? (high - low) * 0.05 : 1;
    x->setRange(low - pad, high + pad);
    x->applyNiceNumbers();
    x->setLabelFormat("%g");
    x->setLabelsFont(labelFont(x));
    auto* y = new QValueAxis;
    // Whole numbers of dots on the ticks: a step of a whole number, at most about six ticks.
    const std::size_t step = tallest / 5 + 1;
    y->setRange(0, static_cast<double>((tallest / step + 1) * step));
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(0);
    y->setTickInterval(static_cast<double>(step));
    y->setLabelFormat("%d");
    y->setLabelsFont(labelFont(y));
    y->setTitleText(plot.valuesPerDot > 1 ? QObject::tr("dots") : QObject::tr("count"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    dots->attachAxis(x);
    dots->attachAxis(y);
    if (plot.valuesPerDot > 1)
        chart->setTitle(title + QObject::tr(" (each dot: about %1 values)").arg(plot.valuesPerDot));
}

void showBoxPlot(QChartView* view, const QString& title, const Summary& s) {
    QChart* chart = freshChart(view, title);
    auto* boxes = new QBoxPlotSeries;
    auto* box = new QBoxSet(s.lowerWhisker, s.q1, s.median, s.q3, s.upperWhisker, "data");
    box->setBrush(kit::bubbleColour());
    box->setPen(QPen(kit::pageColour(), 2));
    boxes->append(box);
    chart->addSeries(boxes);
    auto* outliers = new QScatterSeries;
    outliers->setMarkerSize(10);
    outliers->setColor(kit::wrongColour());
    for (std::size_t i = 0; i < s.outliers.size(); ++i) // sorted: one dot per distinct value
        if (i == 0 || s.outliers[i] != s.outliers[i - 1])
            outliers->append(0, s.outliers[i]);
    chart->addSeries(outliers);
    auto* x = new QBarCategoryAxis;
    x->append(QObject::tr("data"));
    auto* y = new QValueAxis;
    const double pad = s.range > 0 ? s.range * 0.08 : 1;
    y->setRange(s.minimum - pad, s.maximum + pad);
    y->applyNiceNumbers();
    y->setLabelFormat("%g");
    y->setLabelsFont(labelFont(y));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    boxes->attachAxis(x);
    boxes->attachAxis(y);
    outliers->attachAxis(y);
    auto* outlierX = new QValueAxis;
    outlierX->setRange(-0.5, 0.5);
    outlierX->setVisible(false);
    chart->addAxis(outlierX, Qt::AlignTop);
    outliers->attachAxis(outlierX);
}

} // namespace dataanalysis
