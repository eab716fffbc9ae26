#include "extras/view/score_chart.h"

#include "extras/core/exam_topics.h"
#include "kit/view/course_colours.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

namespace extras {
namespace {

const char* const subtestShortNames[subtestCount] = {"Subtest I", "Subtest II", "Subtest III"};
const QColor subtestColours[subtestCount] = {QColor(0x1f, 0x5f, 0xa8), QColor(0x2e, 0x8b, 0x3e),
                                             QColor(0xb0, 0x4a, 0x1c)};

} // namespace

QChartView* makeScoreChartView(QWidget* parent) {
    auto* view = new QChartView(parent);
    view->setObjectName("scoreChart");
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(200);
    showScoresOverTime(view, {});
    return view;
}

void showScoresOverTime(QChartView* view, const std::vector<Attempt>& attempts) {
    auto* chart = new QChart();
    chart->setTitle(attempts.empty() ? QObject::tr("Your scores will be drawn here")
                                     : QObject::tr("Your scores over time"));
    auto* time = new QDateTimeAxis(chart);
    time->setFormat("d MMM");
    time->setTitleText(QObject::tr("date"));
    auto* share = new QValueAxis(chart);
    share->setRange(0, 100);
    share->setLabelFormat("%d%%");
    share->setTitleText(QObject::tr("right"));
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(share, Qt::AlignLeft);
    QDateTime first = QDateTime::currentDateTime().addDays(-7), last = first.addDays(7);
    bool any = false;
    for (int subtest = 0; subtest < subtestCount; ++subtest) {
        auto* line = new QLineSeries(chart);
        line->setName(QObject::tr(subtestShortNames[subtest]));
        line->setColor(subtestColours[subtest]);
        line->setPointsVisible(true);
        line->setMarkerSize(9);
        for (const Attempt& attempt : attempts) {
            const QDateTime when =
                QDateTime::fromString(QString::fromStdString(attempt.when), Qt::ISODate);
            if (attempt.subtest != subtest || !when.isValid() || attemptTotal(attempt) == 0)
                continue;
            first = any ? std::min(first, when) : when;
            last = any ? std::max(last, when) : when;
            any = true;
            line->append(static_cast<double>(when.toMSecsSinceEpoch()),
                         100.0 * attemptCorrect(attempt) / attemptTotal(attempt));
        }
        chart->addSeries(line);
        line->attachAxis(time);
        line->attachAxis(share);
    }
    constexpr qint64 day = 86400;
    if (first.secsTo(last) < 3 * day) { // a few days' attempts: the hours tell them apart
        time->setFormat("d MMM hh:mm");
        first = first.addSecs(-3600);
        last = last.addSecs(3600);
    }
    time->setRange(first, last);
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

} // namespace extras
