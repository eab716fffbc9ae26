#pragma once

#include "journal/view/study_totals.h"

class QChartView;
class QWidget;

namespace journal {

QChartView* makeStudyTimeChartView(QWidget* parent);

// One bar per subject, its height the study time in hours.
void showStudyTimes(QChartView* view, const std::vector<SubjectTotal>& totals);

} // namespace journal
