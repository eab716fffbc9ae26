#pragma once

#include "extras/core/attempt_history.h"

#include <vector>

class QChartView;
class QWidget;

namespace extras {

QChartView* makeScoreChartView(QWidget* parent);

// The share right in each past attempt over the date it was sat, one line per subtest, so
// progress shows as lines that rise.
void showScoresOverTime(QChartView* view, const std::vector<Attempt>& attempts);

} // namespace extras
