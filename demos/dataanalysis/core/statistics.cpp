#include "dataanalysis/core/statistics.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace dataanalysis {

std::string methodName(QuartileMethod method) {
    switch (method) {
    case QuartileMethod::HalvesWithoutMedian:
        return "Medians of the halves, median left out";
    case QuartileMethod::HalvesWithMedian:
        return "Medians of the halves, median kept (Tukey)";
    case QuartileMethod::Inclusive:
        return "Inclusive interpolation (Excel QUARTILE.INC)";
    case QuartileMethod::Exclusive:
        return "Exclusive interpolation (Excel QUARTILE.EXC)";
    }
    return {};
}

std::string methodRule(QuartileMethod method) {
    switch (method) {
    case QuartileMethod::HalvesWithoutMedian:
        return "Q1 is the median of the values below the median, Q3 of those above it; when n "
               "is odd the median itself belongs to neither half.";
    case QuartileMethod::HalvesWithMedian:
        return "Q1 is the median of the lower half, Q3 of the upper half; when n is odd the "
               "median belongs to both halves.";
    case QuartileMethod::Inclusive:
        return "Q1 lies at position 1 + (n &minus; 1)/4 and Q3 at 1 + 3(n &minus; 1)/4 in the "
               "sorted list; between two places it is interpolated.";
    case QuartileMethod::Exclusive:
        return "Q1 lies at position (n + 1)/4 and Q3 at 3(n + 1)/4 in the sorted list; between "
               "two places it is interpolated (and clamped to the smallest and largest value).";
    }
    return {};
}

SortedPosition medianPosition(std::size_t first, std::size_t count) {
    if (count == 0)
        throw std::invalid_argument("median of no values");
    if (count % 2 == 1)
        return {first + count / 2, 0};
    return {first + count / 2 - 1, mpq_class(1, 2)};
}

namespace {

mpq_class quarterOf(unsigned long numerator) {
    mpq_class q(numerator, 4UL);
    q.canonicalize(); // GMP's arithmetic needs canonical operands
    return q;
}

// 1-based position h (a rational) in n sorted values, clamped to [1, n].
SortedPosition atRank(mpq_class h, std::size_t n) {
    h.canonicalize();
    if (h < 1)
        h = 1;
    if (h > static_cast<unsigned long>(n))
        h = static_cast<unsigned long>(n);
    const mpz_class whole = h.get_num() / h.get_den(); // floor, h >= 1
    SortedPosition at{static_cast<std::size_t>(whole.get_ui()) - 1, h - mpq_class(whole)};
    return at;
}

} // namespace

SortedPosition quartilePosition(std::size_t n, int quarter, QuartileMethod method) {
    if (n == 0)
        throw std::invalid_argument("quartile of no values");
    const bool upper = quarter == 3;
    const auto un = static_cast<unsigned long>(n);
    switch (method) {
    case QuartileMethod::HalvesWithoutMedian: {
        if (n == 1)
            return {0, 0};
        const std::size_t half = n / 2;
        return medianPosition(upper ? n - half : 0, half);
    }
    case QuartileMethod::HalvesWithMedian: {
        const std::size_t half = (n + 1) / 2;
        return medianPosition(upper ? n - half : 0, half);
    }
    case QuartileMethod::Inclusive:
        return atRank(mpq_class(1) + quarterOf(static_cast<unsigned long>(quarter) * (un - 1)), n);
    case QuartileMethod::Exclusive:
        return atRank(quarterOf(static_cast<unsigned long>(quarter) * (un + 1)), n);
    }
    return {};
}

double valueAt(const std::vector<double>& sorted, const SortedPosition& at) {
    const double low = sorted.at(at.lower);
    if (at.weight == 0)
        return low;
    return low + at.weight.get_d() * (sorted.at(at.lower + 1) - low);
}

mpq_class valueAt(const std::vector<mpq_class>& sorted, const SortedPosition& at) {
    const mpq_class& low = sorted.at(at.lower);
    if (at.weight == 0)
        return low;
    return low + at.weight * (sorted.at(at.lower + 1) - low);
}

namespace {

Mode modeOf(const std::vector<double>& sorted) {
    Mode mode;
    std::size_t distinct = 0;
    for (std::size_t i = 0; i < sorted.size();) {
        std::size_t j = i;
        while (j < sorted.size() && sorted[j] == sorted[i])
            ++j;
        ++distinct;
        const std::size_t run = j - i;
        if (run > mode.frequency) {
            mode.frequency = run;
            mode.values = {sorted[i]};
        } else if (run == mode.frequency) {
            mode.values.push_back(sorted[i]);
        }
        i = j;
    }
    if (mode.values.size() == distinct && distinct > 1)
        mode.values.clear(); // every value equally often: no mode
    return mode;
}

} // namespace

Summary summarize(std::vector<double> values, QuartileMethod method) {
    std::sort(values.begin(), values.end());
    return summarizeSorted(values, method);
}

Summary summarizeSorted(const std::vector<double>& values, QuartileMethod method) {
    if (values.empty())
        throw std::invalid_argument("summary of no values");
    Summary s;
    s.count = values.size();
    const auto n = static_cast<double>(s.count);
    for (double v : values)
        s.sum += v;
    s.mean = s.sum / n;
    double squares = 0; // second pass about the mean: no cancellation
    for (double v : values)
        squares += (v - s.mean) * (v - s.mean);
    s.populationVariance = squares / n;
    s.sampleVariance = s.count > 1 ? squares / (n - 1) : 0;
    s.populationSd = std::sqrt(s.populationVariance);
    s.sampleSd = std::sqrt(s.sampleVariance);
    s.median = valueAt(values, medianPosition(0, s.count));
    s.mode = modeOf(values);
    s.minimum = values.front();
    s.maximum = values.back();
    s.range = s.maximum - s.minimum;
    s.q1 = valueAt(values, quartilePosition(s.count, 1, method));
    s.q3 = valueAt(values, quartilePosition(s.count, 3, method));
    s.iqr = s.q3 - s.q1;
    s.lowerFence = s.q1 - 1.5 * s.iqr;
    s.upperFence = s.q3 + 1.5 * s.iqr;
    s.lowerWhisker = s.maximum;
    s.upperWhisker = s.minimum;
    for (double v : values) {
        if (v < s.lowerFence || v > s.upperFence) {
            s.outliers.push_back(v);
            continue;
        }
        s.lowerWhisker = std::min(s.lowerWhisker, v);
        s.upperWhisker = std::max(s.upperWhisker, v);
    }
    return s;
}

ExactSummary exactSummary(std::vector<mpq_class> values, QuartileMethod method) {
    if (values.empty())
        throw std::invalid_argument("summary of no values");
    std::sort(values.begin(), values.end());
    ExactSummary s;
    s.sum = 0;
    for (const auto& v : values)
        s.sum += v;
    const auto n = static_cast<unsigned long>(values.size());
    s.mean = s.sum / n;
    mpq_class squares = 0;
    for (const auto& v : values)
        squares += (v - s.mean) * (v - s.mean);
    s.populationVariance = squares / n;
    s.sampleVariance = n > 1 ? mpq_class(squares / (n - 1)) : mpq_class(0);
    s.median = valueAt(values, medianPosition(0, values.size()));
    s.q1 = valueAt(values, quartilePosition(values.size(), 1, method));
    s.q3 = valueAt(values, quartilePosition(values.size(), 3, method));
    return s;
}

std::vector<double> zScores(const std::vector<double>& values, double mean, double sd) {
    std::vector<double> z;
    z.reserve(values.size());
    for (double v : values)
        z.push_back(sd > 0 ? (v - mean) / sd : 0.0);
    return z;
}

mpq_class weightedMean(const std::vector<WeightedValue>& table) {
    mpq_class total = 0, weights = 0;
    for (const auto& row : table) {
        total += row.value * row.weight;
        weights += row.weight;
    }
    if (weights <= 0)
        throw std::invalid_argument("the weights must add up to more than 0");
    return total / weights;
}

mpq_class frequencyMedian(const std::vector<WeightedValue>& table) {
    std::map<mpq_class, mpz_class> counts;
    mpz_class n = 0;
    for (const auto& row : table) {
        if (row.weight < 0 || row.weight.get_den() != 1)
            throw std::invalid_argument("frequencies must be whole numbers of at least 0");
        counts[row.value] += row.weight.get_num();
        n += row.weight.get_num();
    }
    if (n == 0)
        throw std::invalid_argument("the frequencies add up to 0");
    // The value at 1-based place k of the sorted list.
    const auto at = [&](const mpz_class& k) {
        mpz_class seen = 0;
        for (const auto& [value, count] : counts) {
            seen += count;
            if (seen >= k)
                return value;
        }
        return counts.rbegin()->first;
    };
    if (n % 2 == 1)
        return at((n + 1) / 2);
    return (at(n / 2) + at(n / 2 + 1)) / 2;
}

namespace {

mpq_class totalFrequency(const std::vector<DataClass>& classes) {
    mpq_class n = 0;
    for (const auto& c : classes) {
        if (c.frequency < 0 || c.upper <= c.lower)
            throw std::invalid_argument("each class needs lower < upper and a frequency >= 0");
        n += c.frequency;
    }
    if (n <= 0)
        throw std::invalid_argument("the frequencies add up to 0");
    return n;
}

} // namespace

mpq_class groupedMean(const std::vector<DataClass>& classes) {
    const mpq_class n = totalFrequency(classes);
    mpq_class total = 0;
    for (const auto& c : classes)
        total += (c.lower + c.upper) / 2 * c.frequency;
    return total / n;
}

mpq_class groupedMedian(const std::vector<DataClass>& classes) {
    const mpq_class half = totalFrequency(classes) / 2;
    mpq_class before = 0;
    for (const auto& c : classes) {
        if (c.frequency > 0 && before + c.frequency >= half)
            return c.lower + (half - before) / c.frequency * (c.upper - c.lower);
        before += c.frequency;
    }
    return classes.back().upper;
}

std::size_t modalClass(const std::vector<DataClass>& classes) {
    totalFrequency(classes);
    std::size_t best = 0;
    for (std::size_t i = 1; i < classes.size(); ++i)
        if (classes[i].frequency > classes[best].frequency)
            best = i;
    return best;
}

namespace {

// Equal-width classes from low to high and the class each value falls in.
struct BinLayout {
    double low = 0, width = 1;
    std::size_t count = 1;
    std::size_t binOf(double v) const {
        return std::min(static_cast<std::size_t>((v - low) / width), count - 1);
    }
    std::vector<HistogramBin> emptyBins() const {
        std::vector<HistogramBin> bins(count);
        for (std::size_t b = 0; b < count; ++b)
            bins[b] = {low + static_cast<double>(b) * width,
                       low + static_cast<double>(b + 1) * width, 0};
        return bins;
    }
};

BinLayout layoutFor(double low, double high, std::size_t n, int bins) {
    if (bins <= 0)
        bins = std::min(30, 1 + static_cast<int>(std::ceil(std::log2(static_cast<double>(n)))));
    if (high == low)
        bins = 1;
    return {low, high > low ? (high - low) / bins : 1.0, static_cast<std::size_t>(bins)};
}

} // namespace

std::vector<HistogramBin> histogram(const std::vector<double>& values, int bins) {
    if (values.empty())
        return {};
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const BinLayout layout = layoutFor(*low, *high, values.size(), bins);
    std::vector<HistogramBin> result = layout.emptyBins();
    for (double v : values)
        ++result[layout.binOf(v)].count;
    return result;
}

std::vector<HistogramBin> histogramOfSorted(const std::vector<double>& sorted, int bins) {
    if (sorted.empty())
        return {};
    const BinLayout layout = layoutFor(sorted.front(), sorted.back(), sorted.size(), bins);
    std::vector<HistogramBin> result = layout.emptyBins();
    // binOf never decreases along sorted values, so each class is one run of them.
    auto from = sorted.begin();
    for (std::size_t b = 0; b < layout.count; ++b) {
        const auto to = std::partition_point(from, sorted.end(),
                                             [&](double v) { return layout.binOf(v) <= b; });
        result[b].count = static_cast<std::size_t>(to - from);
        from = to;
    }
    return result;
}

namespace {

std::size_t dotsFor(std::size_t values, std::size_t perDot) {
    if (values == 0)
        return 0;
    return std::max<std::size_t>(1, (values + perDot / 2) / perDot);
}

constexpr int dotPlotClasses = 25;

} // namespace

DotPlot dotPlotOfSorted(const std::vector<double>& sorted, std::size_t mostDots) {
    DotPlot plot;
    if (sorted.empty())
        return plot;
    if (sorted.size() <= mostDots) {
        for (double v : sorted) {
            if (plot.columns.empty() || plot.columns.back().at != v)
                plot.columns.push_back({v, 0});
            ++plot.columns.back().dots;
        }
        return plot;
    }
    plot.valuesPerDot = (sorted.size() + mostDots - 1) / mostDots;
    for (const HistogramBin& bin : histogramOfSorted(sorted, dotPlotClasses))
        if (bin.count > 0)
            plot.columns.push_back(
                {(bin.lower + bin.upper) / 2, dotsFor(bin.count, plot.valuesPerDot)});
    return plot;
}

DotPlot dotPlotOfCounts(const std::vector<std::pair<double, std::size_t>>& counts,
                        std::size_t mostDots) {
    DotPlot plot;
    std::size_t total = 0;
    for (const auto& [value, count] : counts)
        total += count;
    if (total > mostDots)
        plot.valuesPerDot = (total + mostDots - 1) / mostDots;
    for (const auto& [value, count] : counts)
        if (count > 0)
            plot.columns.push_back({value, dotsFor(count, plot.valuesPerDot)});
    return plot;
}

} // namespace dataanalysis
