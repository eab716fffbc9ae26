#include "dataanalysis/view/charts.h"

#include "dataanalysis/core/number_text.h"
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
    chart->setMargins(QMargins(4, 4, 4, 4));
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
    return chart;
}

QString number(double v, double width) {
    return QString::fromStdString(decimalText(v, width >= 10 ? 0 : width >= 1 ? 1 : 3));
}

} // namespace

QChartView* makeChartView(const QString& objectName, QWidget* parent) {
    auto* view = new QChartView(parent);
    view->setObjectName(objectName);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(160, 160);
    return view;
}

void showBars(QChartView* view, const QString& title, const QStringList& labels,
              const std::vector<double>& heights, const QString& yTitle) {
    QChart* chart = freshChart(view, title);
    auto* set = new QBarSet(yTitle);
    set->setColor(kit::pageColour());
    double top = 1;
    for (double h : heights) {
        *set << h;
        top = std::max(top, h);
    }
    auto* series = new QBarSeries;
    series->append(set);
    series->setBarWidth(0.98);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(labels);
    QFont small = x->labelsFont();
    small.setPointSize(7);
    x->setLabelsFont(small);
    x->setLabelsAngle(labels.size() > 3 ? -90 : 0);
    auto* y = new QValueAxis;
    y->setRange(0, top * 1.1);
    y->applyNiceNumbers();
    y->setTitleText(yTitle);
    y->setLabelFormat("%g");
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
}

void showHistogram(QChartView* view, const QString& title, const std::vector<HistogramBin>& bins,
                   const QString& xTitle) {
    QStringList labels;
    std::vector<double> heights;
    for (const auto& bin : bins) {
        labels << number(bin.lower, bin.upper - bin.lower) + "\u2013" +
                      number(bin.upper, bin.upper - bin.lower);
        heights.push_back(static_cast<double>(bin.count));
    }
    showBars(view, title, labels, heights, QObject::tr("frequency"));
    if (auto* axis = view->chart()->axes(Qt::Horizontal).value(0))
        axis->setTitleText(xTitle);
}

void showDotPlot(QChartView* view, const QString& title, const std::vector<double>& values) {
    QChart* chart = freshChart(view, title);
    auto* dots = new QScatterSeries;
    dots->setMarkerSize(9);
    dots->setColor(kit::accentColour());
    std::map<double, int> stacks;
    double low = 0, high = 1;
    int tallest = 1;
    const std::size_t shown = std::min(values.size(), maxDots);
    for (std::size_t i = 0; i < shown; ++i) {
        const double v = values[i];
        const int height = ++stacks[v];
        tallest = std::max(tallest, height);
        dots->append(v, height);
        low = i == 0 ? v : std::min(low, v);
        high = i == 0 ? v : std::max(high, v);
    }
    chart->addSeries(dots);
    auto* x = new QValueAxis;
    const double pad = high > low ? (high - low) * 0.05 : 1;
    x->setRange(low - pad, high + pad);
    x->applyNiceNumbers();
    x->setLabelFormat("%g");
    auto* y = new QValueAxis;
    y->setRange(0, tallest + 1);
    y->setLabelFormat("%d");
    y->setTitleText(QObject::tr("count"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    dots->attachAxis(x);
    dots->attachAxis(y);
    if (values.size() > maxDots)
        chart->setTitle(title + QObject::tr(" (first %1 values)").arg(maxDots));
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
    for (double v : s.outliers)
        outliers->append(0, v);
    chart->addSeries(outliers);
    auto* x = new QBarCategoryAxis;
    x->append(QObject::tr("data"));
    auto* y = new QValueAxis;
    const double pad = s.range > 0 ? s.range * 0.08 : 1;
    y->setRange(s.minimum - pad, s.maximum + pad);
    y->applyNiceNumbers();
    y->setLabelFormat("%g");
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
