#include "progressions/core/sequence_table.h"

#include "progressions/core/sequences.h"

#include "kit/core/expression_input.h"
#include "kit/core/number_input.h"

#include <cmath>
#include <numbers>
#include <sstream>

namespace progressions {
namespace {

std::string shown(double value) {
    std::ostringstream out;
    out.precision(10);
    out << value;
    return out.str();
}

void addSums(SequenceTable& table) {
    double sum = 0;
    table.partialSums.clear();
    for (double term : table.terms)
        table.partialSums.push_back(sum += term);
}

std::string verdictLine(const SeriesVerdict& verdict) {
    const char* word = verdict.outcome == Convergence::Converges  ? "converges"
                       : verdict.outcome == Convergence::Diverges ? "diverges"
                                                                  : "is not decided";
    return "<p><b>The series " + std::string(word) + ".</b> " + verdict.reason + "</p>";
}

SequenceTable arithmeticOrGeometric(const SequenceRequest& request, bool geometric) {
    SequenceTable table;
    const auto first = kit::parseRational(request.first);
    if (!first.ok())
        return {{}, {}, {}, "First term: " + first.error().message};
    const auto step = kit::parseRational(request.rule);
    if (!step.ok())
        return {{},
                {},
                {},
                std::string(geometric ? "Ratio" : "Difference") + ": " + step.error().message};
    const long n = request.count;
    if (geometric) {
        const Geometric s{first.value(), step.value()};
        double term = s.first.get_d();
        for (long k = 1; k <= n && std::isfinite(term); ++k, term *= s.ratio.get_d())
            table.terms.push_back(term);
        const bool small = abs(s.ratio) <= 4 && n <= 60;
        table.facts = "<p>a\u2099 = a\u2081 r<sup>n\u22121</sup> = " + s.first.get_str() +
                      " \u00b7 (" + s.ratio.get_str() +
                      ")<sup>n\u22121</sup>; S\u2099 = a\u2081(1 \u2212 r\u207f)/(1 \u2212 r).</p>";
        if (small)
            table.facts += "<p>a<sub>" + std::to_string(n) + "</sub> = " + nthTerm(s, n).get_str() +
                           ", S<sub>" + std::to_string(n) +
                           "</sub> = " + partialSum(s, n).get_str() + "</p>";
        table.facts += verdictLine(geometricSeriesTest(s));
    } else {
        const Arithmetic s{first.value(), step.value()};
        for (long k = 1; k <= n; ++k)
            table.terms.push_back(nthTerm(s, k).get_d());
        table.facts = "<p>a\u2099 = a\u2081 + (n \u2212 1)d = " + s.first.get_str() +
                      " + (n \u2212 1) \u00b7 (" + s.difference.get_str() +
                      "); S\u2099 = n(a\u2081 + a\u2099)/2.</p><p>a<sub>" + std::to_string(n) +
                      "</sub> = " + nthTerm(s, n).get_str() + ", S<sub>" + std::to_string(n) +
                      "</sub> = " + partialSum(s, n).get_str() + "</p>";
        const bool zero = s.first == 0 && s.difference == 0;
        table.facts +=
            zero
                ? "<p><b>The series converges</b> to 0: every term is 0.</p>"
                : "<p><b>The series diverges.</b> The terms do not tend to 0 (n-th term test).</p>";
    }
    addSums(table);
    return table;
}

SequenceTable fromFormula(const SequenceRequest& request, bool recursive) {
    SequenceTable table;
    std::optional<double> previous;
    if (recursive) {
        const auto first = kit::parseRational(request.first);
        if (!first.ok())
            return {{}, {}, {}, "First term: " + first.error().message};
        previous = first.value().get_d();
    }
    const auto rule =
        kit::Expression::parse(request.rule, recursive ? std::vector<std::string>{"a", "n"}
                                                       : std::vector<std::string>{"n"});
    if (!rule.ok())
        return {{}, {}, {}, "Rule: " + rule.error().message};
    for (long k = 1; k <= request.count; ++k) {
        std::optional<double> term;
        if (recursive)
            term = k == 1 ? previous : rule.value().evaluate({*previous, static_cast<double>(k)});
        else
            term = rule.value().evaluate({static_cast<double>(k)});
        if (!term || !std::isfinite(*term)) {
            if (k == 1)
                return {
                    {}, {}, {}, "The rule is undefined at n = 1, so the sequence has no terms."};
            table.facts = "<p>The term a<sub>" + std::to_string(k) +
                          "</sub> is undefined; the table stops at n = " + std::to_string(k - 1) +
                          ".</p>";
            break;
        }
        table.terms.push_back(*term);
        previous = term;
    }
    addSums(table);
    table.facts = "<p>a<sub>" + std::to_string(table.terms.size()) +
                  "</sub> = " + shown(table.terms.back()) + ", S<sub>" +
                  std::to_string(table.partialSums.size()) +
                  "</sub> = " + shown(table.partialSums.back()) + "</p>" + table.facts;
    if (table.terms.size() >= 2) {
        const double last = table.terms.back(), before = table.terms[table.terms.size() - 2];
        if (before != 0)
            table.facts += "<p>The last ratio |a\u2099\u208a\u2081/a\u2099| is " +
                           shown(std::fabs(last / before)) +
                           ": below 1 from some n on with a limit below 1, the ratio test says the "
                           "series converges; "
                           "above 1, it diverges.</p>";
    }
    return table;
}

SequenceTable famous(const SequenceRequest& request) {
    SequenceTable table;
    for (long k = 1; k <= request.count; ++k) {
        const double n = static_cast<double>(k);
        if (request.mode == SequenceMode::Harmonic)
            table.terms.push_back(1 / n);
        else if (request.mode == SequenceMode::BaselSeries)
            table.terms.push_back(1 / (n * n));
        else
            table.terms.push_back((k % 2 == 1 ? 1.0 : -1.0) / (2 * n - 1));
    }
    addSums(table);
    const double sum = table.partialSums.back();
    const std::string n = std::to_string(request.count);
    if (request.mode == SequenceMode::Harmonic) {
        table.facts = "<p>S<sub>" + n + "</sub> = " + shown(sum) + ", close to ln n + \u03b3 = " +
                      shown(std::log(static_cast<double>(request.count)) + 0.5772156649) +
                      ": it grows without bound, but only like a logarithm.</p>" +
                      verdictLine(pSeriesTest(1));
    } else if (request.mode == SequenceMode::BaselSeries) {
        const double limit = std::numbers::pi * std::numbers::pi / 6;
        table.facts = "<p>S<sub>" + n + "</sub> = " + shown(sum) +
                      "; the limit is \u03c0\u00b2/6 = " + shown(limit) + ". The error " +
                      shown(limit - sum) +
                      " is about 1/n = " + shown(1.0 / static_cast<double>(request.count)) +
                      " (the tail \u2211 1/k\u00b2 beyond n lies between 1/(n+1) and 1/n).</p>" +
                      verdictLine(pSeriesTest(2));
    } else {
        const double limit = std::numbers::pi / 4;
        table.facts = "<p>S<sub>" + n + "</sub> = " + shown(sum) +
                      "; the limit is \u03c0/4 = " + shown(limit) + ". The error " +
                      shown(std::fabs(limit - sum)) + " is below the first term left out, 1/" +
                      std::to_string(2 * request.count + 1) +
                      ": slow, one more correct digit costs ten times as many terms.</p>" +
                      verdictLine(alternatingPSeriesTest(1));
    }
    return table;
}

} // namespace

SequenceTable computeTable(const SequenceRequest& request) {
    if (request.count < 1 || request.count > maxTerms)
        return {
            {}, {}, {}, "The number of terms must be from 1 to " + std::to_string(maxTerms) + "."};
    switch (request.mode) {
    case SequenceMode::Arithmetic:
        return arithmeticOrGeometric(request, false);
    case SequenceMode::Geometric:
        return arithmeticOrGeometric(request, true);
    case SequenceMode::Formula:
        return fromFormula(request, false);
    case SequenceMode::Recursion:
        return fromFormula(request, true);
    default:
        return famous(request);
    }
}

} // namespace progressions
