#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace dataanalysis {

// The four common ways of cutting sorted data into quarters. They agree on large data sets and
// differ on small ones.
enum class QuartileMethod {
    HalvesWithoutMedian, // median of each half, the median left out when n is odd (TI calculators)
    HalvesWithMedian,    // median of each half, the median kept in both when n is odd (Tukey)
    Inclusive,           // position 1 + (n - 1)p, interpolated (Excel QUARTILE.INC, R type 7)
    Exclusive,           // position (n + 1)p, interpolated (Excel QUARTILE.EXC, Minitab, R type 6)
};
inline constexpr QuartileMethod allQuartileMethods[] = {
    QuartileMethod::HalvesWithoutMedian, QuartileMethod::HalvesWithMedian,
    QuartileMethod::Inclusive, QuartileMethod::Exclusive};
std::string methodName(QuartileMethod method);
std::string methodRule(QuartileMethod method);

// Where a quantile lies in sorted data: x[lower] + weight (x[lower + 1] - x[lower]), 0-based.
struct SortedPosition {
    std::size_t lower = 0;
    mpq_class weight = 0;
};
SortedPosition medianPosition(std::size_t first, std::size_t count);
// p is 1 or 3 (the first or third quartile); n >= 1.
SortedPosition quartilePosition(std::size_t n, int quarter, QuartileMethod method);

double valueAt(const std::vector<double>& sorted, const SortedPosition& at);
mpq_class valueAt(const std::vector<mpq_class>& sorted, const SortedPosition& at);

struct Mode {
    std::vector<double> values; // empty when every value occurs equally often ("no mode")
    std::size_t frequency = 0;
};

// Everything the centre and spread tabs show, computed from one sort.
struct Summary {
    std::size_t count = 0;
    double sum = 0, mean = 0, median = 0;
    Mode mode;
    double minimum = 0, maximum = 0, range = 0;
    double populationVariance = 0, sampleVariance = 0; // sample variance needs n >= 2
    double populationSd = 0, sampleSd = 0;
    double q1 = 0, q3 = 0, iqr = 0;
    double lowerFence = 0, upperFence = 0;     // Q1 - 1.5 IQR and Q3 + 1.5 IQR
    double lowerWhisker = 0, upperWhisker = 0; // the most extreme values inside the fences
    std::vector<double> outliers;
};
// values must not be empty.
Summary summarize(std::vector<double> values, QuartileMethod method);
// The same from values already sorted ascending: a caller that needs the sorted values for
// more (the histogram, the other quartile methods) sorts them once.
Summary summarizeSorted(const std::vector<double>& sorted, QuartileMethod method);

// Exact answers for data typed as integers, decimals or fractions.
struct ExactSummary {
    mpq_class sum, mean, median, populationVariance, sampleVariance, q1, q3;
};
ExactSummary exactSummary(std::vector<mpq_class> values, QuartileMethod method);

std::vector<double> zScores(const std::vector<double>& values, double mean, double sd);

// A frequency table: each value with how often it occurs (or a weight).
struct WeightedValue {
    mpq_class value;
    mpq_class weight;
};
// Sum of value * weight over the sum of the weights; the weights' sum must be positive.
mpq_class weightedMean(const std::vector<WeightedValue>& table);
// The median of a frequency table with whole-number frequencies.
mpq_class frequencyMedian(const std::vector<WeightedValue>& table);

// Grouped data: classes [lower, upper) with their frequencies.
struct DataClass {
    mpq_class lower, upper;
    mpq_class frequency;
};
mpq_class groupedMean(const std::vector<DataClass>& classes);   // by the class mid-points
mpq_class groupedMedian(const std::vector<DataClass>& classes); // by interpolation in its class
std::size_t modalClass(const std::vector<DataClass>& classes);

// Equal-width classes from the smallest to the largest value (the last class includes its
// upper end); bins 0 picks Sturges' number, 1 + log2 n, at most 30.
struct HistogramBin {
    double lower = 0, upper = 0;
    std::size_t count = 0;
};
std::vector<HistogramBin> histogram(const std::vector<double>& values, int bins = 0);
// The same classes and counts from values sorted ascending, found by binary search at each
// class border instead of a pass over every value.
std::vector<HistogramBin> histogramOfSorted(const std::vector<double>& sorted, int bins = 0);

// A dot plot small enough to draw: each column a value (or, for many values, a narrow class
// shown at its mid-point) with its stack of dots. Up to `mostDots` values each value is a dot;
// beyond, each dot stands for valuesPerDot values, and a column with any values in it keeps
// at least one dot, so that a lone outlier stays in sight.
struct DotColumn {
    double at = 0;
    std::size_t dots = 0;
};
struct DotPlot {
    std::vector<DotColumn> columns;
    std::size_t valuesPerDot = 1;
};
DotPlot dotPlotOfSorted(const std::vector<double>& sorted, std::size_t mostDots);
// The same for a frequency table: each value's frequency is its stack.
DotPlot dotPlotOfCounts(const std::vector<std::pair<double, std::size_t>>& counts,
                        std::size_t mostDots);

} // namespace dataanalysis
