// How long the statistics program takes with 100,000 values: the summary alone (one sort,
// every measure), and the whole update a learner waits for when the data change (a value
// typed into the grid, the exact-or-decimal results, the histogram and the dot plot drawn).
//   QT_QPA_PLATFORM=offscreen build/bench/dataanalysis_bench [values] [rounds]
// Each measured step is a function of its own, so that instruction counts, which do not
// depend on how busy the machine is, can be read per step:
//   valgrind --tool=callgrind --callgrind-out-file=/tmp/da.out build/bench/dataanalysis_bench
//   callgrind_annotate --inclusive=yes /tmp/da.out | grep bench_
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
#include <random>
#include <string>

namespace {

using dataanalysis::CsvRow;

struct Data {
    std::vector<double> values;
    std::vector<CsvRow> rows;
};

Data marks(int count) {
    std::mt19937_64 engine(7);
    std::normal_distribution<double> mark(65, 12);
    Data data;
    for (int i = 0; i < count; ++i) {
        const double v = std::round(mark(engine) * 10) / 10;
        data.values.push_back(v);
        const std::string text = std::to_string(v);
        data.rows.push_back({text.substr(0, text.find('.') + 2)});
    }
    return data;
}

// One value typed over the first cell, a different one each round, handed to the model as
// the table view's editor hands it over.
void typeFirstValue(dataanalysis::DataGrid* grid, int round) {
    grid->model()->setData(grid->model()->index(0, 0), QString::number(40 + round % 50));
}

volatile std::size_t resultSink = 0; // keeps the measured results from being optimised away

} // namespace

// Not in the anonymous namespace and not inlined: their names are what callgrind reports.
__attribute__((noinline)) void bench_summary(const std::vector<double>& values) {
    resultSink = dataanalysis::summarize(values, dataanalysis::QuartileMethod::Inclusive).count;
}
__attribute__((noinline)) void bench_histogram(const std::vector<double>& values) {
    resultSink = dataanalysis::histogram(values).size();
}
__attribute__((noinline)) void bench_centre_recompute(dataanalysis::CentreTab& tab) {
    tab.recompute();
    QApplication::processEvents();
}
__attribute__((noinline)) void bench_centre_value_typed(dataanalysis::CentreTab& tab, int round) {
    typeFirstValue(tab.grid(), round);
    QApplication::processEvents();
}
__attribute__((noinline)) void bench_spread_recompute(dataanalysis::SpreadTab& tab) {
    tab.recompute();
    QApplication::processEvents();
}
__attribute__((noinline)) void bench_spread_value_typed(dataanalysis::SpreadTab& tab, int round) {
    typeFirstValue(tab.grid(), round);
    QApplication::processEvents();
}
__attribute__((noinline)) void bench_fill_grid(dataanalysis::DataGrid* grid,
                                               const std::vector<CsvRow>& rows) {
    grid->setRows(rows);
    QApplication::processEvents();
}

namespace {

template <typename Work> double millisecondsOf(Work work, int rounds) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        work(i);
    return static_cast<double>(timer.nsecsElapsed()) / 1e6 / rounds;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const Data data = marks(count);
    std::printf("values: %d, rounds: %d\n", count, rounds);
    std::printf("summary (sort, mean, median, mode, variances, quartiles, fences): %.1f ms\n",
                millisecondsOf([&](int) { bench_summary(data.values); }, rounds));
    std::printf("histogram classes: %.1f ms\n",
                millisecondsOf([&](int) { bench_histogram(data.values); }, rounds));

    dataanalysis::CentreTab centre;
    centre.resize(1000, 700);
    centre.show();
    std::printf("centre tab, filling the grid with all values (opening a file): %.1f ms\n",
                millisecondsOf([&](int) { bench_fill_grid(centre.grid(), data.rows); }, 1));
    std::printf("centre tab, results and charts again (histogram, dot plot): %.1f ms\n",
                millisecondsOf([&](int) { bench_centre_recompute(centre); }, rounds));
    std::printf("centre tab, one value typed (grid read, results, charts): %.1f ms\n",
                millisecondsOf([&](int i) { bench_centre_value_typed(centre, i); }, rounds));

    dataanalysis::SpreadTab spread;
    spread.resize(1000, 700);
    spread.show();
    bench_fill_grid(spread.grid(), data.rows);
    std::printf("spread tab, results and box plot again: %.1f ms\n",
                millisecondsOf([&](int) { bench_spread_recompute(spread); }, rounds));
    std::printf("spread tab, one value typed (grid read, results, box plot): %.1f ms\n",
                millisecondsOf([&](int i) { bench_spread_value_typed(spread, i); }, rounds));
    return 0;
}
