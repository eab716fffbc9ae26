#include "journal/view/study_time_chart.h"

#include "kit/view/course_colours.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QValueAxis>

#include <algorithm>

namespace journal {

QChartView* makeStudyTimeChartView(QWidget* parent) {
    auto* view = new QChartView(parent);
    view->setObjectName("studyChart");
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(220);
    return view;
}

void showStudyTimes(QChartView* view, const std::vector<SubjectTotal>& totals) {
    auto* chart = new QChart();
    chart->setTitle(QObject::tr("Study time per subject"));
    chart->legend()->hide();
    auto* hours = new QBarSet(QObject::tr("hours"));
    hours->setColor(kit::pageColour());
    QStringList subjects;
    double lowest = 0, highest = 1;
    for (const SubjectTotal& total : totals) {
        const double value = total.minutes / 60.0;
        hours->append(value);
        subjects << QString::fromStdString(total.title);
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    auto* series = new QBarSeries(chart);
    series->append(hours); // the series owns the set from here
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis(chart);
    categories->append(subjects);
    auto* values = new QValueAxis(chart);
    values->setRange(lowest, highest * 1.1);
    values->applyNiceNumbers();
    values->setLabelFormat("%.1f");
    values->setTitleText(QObject::tr("hours"));
    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(values);
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

} // namespace journal
