#include "dataanalysis/core/chi_square.h"

#include "dataanalysis/core/distributions.h"
#include "dataanalysis/core/number_text.h"

#include <stdexcept>

namespace dataanalysis {

namespace {

void requireCount(const mpq_class& count) {
    if (count < 0 || count.get_den() != 1)
        throw std::invalid_argument("observed counts must be whole numbers of at least 0");
}

void requireAlpha(double alpha) {
    if (!(alpha > 0 && alpha < 1))
        throw std::invalid_argument("the significance level must lie between 0 and 1");
}

void finish(ChiSquareResult& result, const std::string& nullHypothesis) {
    result.statistic = 0;
    for (auto& row : result.cells)
        for (auto& cell : row) {
            const mpq_class d = cell.observed - cell.expected;
            cell.contribution = d * d / cell.expected;
            result.statistic += cell.contribution;
            if (cell.expected < 5)
                ++result.smallExpected;
        }
    const double df = result.degreesOfFreedom;
    const double x = result.statistic.get_d();
    result.pValue = chiSquareUpperTail(x, df);
    result.criticalValue = chiSquareCritical(result.alpha, df);
    result.reject = x > result.criticalValue;
    const std::string level = decimalText(result.alpha, 3);
    const std::string compare = "&chi;&sup2; = " + decimalText(x, 3) +
                                (result.reject ? " &gt; " : " &le; ") + "critical value " +
                                decimalText(result.criticalValue, 3) +
                                " (p = " + pValueText(result.pValue) + ")";
    result.conclusion = result.reject
                            ? compare + ": reject the null hypothesis at the " + level +
                                  " level. The data give evidence against: " + nullHypothesis + "."
                            : compare + ": do not reject the null hypothesis at the " + level +
                                  " level. The data are consistent with: " + nullHypothesis + ".";
    if (result.smallExpected > 0)
        result.warning =
            std::to_string(result.smallExpected) +
            (result.smallExpected == 1 ? " expected count is" : " expected counts are") +
            " below 5: the chi-square approximation may be poor; combine categories "
            "or use an exact test.";
}

} // namespace

ChiSquareResult goodnessOfFit(const std::vector<mpq_class>& observed,
                              const std::vector<mpq_class>& expectedShares, double alpha) {
    requireAlpha(alpha);
    if (observed.size() < 2)
        throw std::invalid_argument("a goodness-of-fit test needs at least 2 categories");
    if (observed.size() != expectedShares.size())
        throw std::invalid_argument("each category needs an observed and an expected value");
    mpq_class total = 0, shares = 0;
    for (const auto& o : observed) {
        requireCount(o);
        total += o;
    }
    for (const auto& e : expectedShares) {
        if (e <= 0)
            throw std::invalid_argument("every expected count or proportion must be positive");
        shares += e;
    }
    if (total == 0)
        throw std::invalid_argument("the observed counts add up to 0");
    ChiSquareResult result;
    result.alpha = alpha;
    result.degreesOfFreedom = static_cast<int>(observed.size()) - 1;
    result.cells.emplace_back();
    for (std::size_t i = 0; i < observed.size(); ++i)
        result.cells[0].push_back({observed[i], expectedShares[i] / shares * total, 0});
    finish(result, "the counts follow the expected proportions");
    return result;
}

ChiSquareResult independence(const std::vector<std::vector<mpq_class>>& observed, double alpha) {
    requireAlpha(alpha);
    if (observed.size() < 2 || observed[0].size() < 2)
        throw std::invalid_argument("a contingency table needs at least 2 rows and 2 columns");
    const std::size_t columns = observed[0].size();
    std::vector<mpq_class> rowTotals(observed.size(), 0), columnTotals(columns, 0);
    mpq_class total = 0;
    for (std::size_t r = 0; r < observed.size(); ++r) {
        if (observed[r].size() != columns)
            throw std::invalid_argument("every row needs the same number of columns");
        for (std::size_t c = 0; c < columns; ++c) {
            requireCount(observed[r][c]);
            rowTotals[r] += observed[r][c];
            columnTotals[c] += observed[r][c];
            total += observed[r][c];
        }
    }
    for (const auto& t : rowTotals)
        if (t == 0)
            throw std::invalid_argument("a row of the table adds up to 0");
    for (const auto& t : columnTotals)
        if (t == 0)
            throw std::invalid_argument("a column of the table adds up to 0");
    ChiSquareResult result;
    result.alpha = alpha;
    result.degreesOfFreedom = static_cast<int>((observed.size() - 1) * (columns - 1));
    for (std::size_t r = 0; r < observed.size(); ++r) {
        result.cells.emplace_back();
        for (std::size_t c = 0; c < columns; ++c)
            result.cells[r].push_back({observed[r][c], rowTotals[r] * columnTotals[c] / total, 0});
    }
    finish(result, "the row variable and the column variable are independent");
    return result;
}

} // namespace dataanalysis
