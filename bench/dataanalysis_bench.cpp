// How long the statistics program takes with 100,000 values: the summary alone (one sort,
// every measure), and the whole update a learner waits for when the data change (the grid
// read, the exact-or-decimal results, the histogram and the dot plot drawn).
//   QT_QPA_PLATFORM=offscreen build/bench/dataanalysis_bench [values]
#include "dataanalysis/core/statistics.h"
#include "dataanalysis/view/centre_tab.h"
#include "dataanalysis/view/data_grid.h"
#include "dataanalysis/view/spread_tab.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>

namespace {

double millisecondsOf(const std::function<void()>& work, int rounds) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6 / rounds;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    std::mt19937_64 engine(7);
    std::normal_distribution<double> marks(65, 12);
    std::vector<double> values;
    std::vector<dataanalysis::CsvRow> rows;
    for (int i = 0; i < count; ++i) {
        const double v = std::round(marks(engine) * 10) / 10;
        values.push_back(v);
        rows.push_back({std::to_string(v).substr(0, std::to_string(v).find('.') + 2)});
    }
    std::printf("values: %d\n", count);
    std::printf(
        "summary (sort, mean, median, mode, variances, quartiles, fences): %.1f ms\n",
        millisecondsOf(
            [&] { dataanalysis::summarize(values, dataanalysis::QuartileMethod::Inclusive); }, 10));
    std::printf("histogram classes: %.1f ms\n",
                millisecondsOf([&] { dataanalysis::histogram(values); }, 10));

    dataanalysis::CentreTab centre;
    centre.resize(900, 700);
    centre.show();
    centre.grid()->setRows(rows);
    app.processEvents();
    std::printf("centre tab, one update (grid read, results, histogram, dot plot): %.1f ms\n",
                millisecondsOf(
                    [&] {
                        centre.recompute();
                        app.processEvents();
                    },
                    5));
    dataanalysis::SpreadTab spread;
    spread.resize(900, 700);
    spread.show();
    spread.grid()->setRows(rows);
    app.processEvents();
    std::printf("spread tab, one update (grid read, results, box plot): %.1f ms\n",
                millisecondsOf(
                    [&] {
                        spread.recompute();
                        app.processEvents();
                    },
                    5));
    std::printf("filling the grid with all values (opening a file): %.1f ms\n",
                millisecondsOf(
                    [&] {
                        centre.grid()->setRows(rows);
                        app.processEvents();
                    },
                    1));
    return 0;
}
