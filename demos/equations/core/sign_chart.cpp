#include "equations/core/sign_chart.h"

#include <algorithm>

namespace equations {

namespace {

struct FactorRoots {
    Factor factor;
    bool inDenominator = false;
    std::vector<RealRoot> roots;
};

std::string factorLabel(const Factor& f) {
    std::string text = f.polynomial.html();
    const bool bare = f.polynomial.degree() == 1 && f.polynomial.coefficient(0) == 0 &&
                      f.polynomial.leading() == 1;
    if (!bare)
        text = "(" + text + ")";
    if (f.multiplicity > 1)
        text += "<sup>" + std::to_string(f.multiplicity) + "</sup>";
    return text;
}

std::vector<FactorRoots> rootsOfEveryFactor(const Factorization& numerator,
                                            const Factorization& denominator) {
    std::vector<FactorRoots> all;
    for (const auto& f : numerator.factors)
        all.push_back({f, false, rootsOfFactor(f.polynomial, f.multiplicity)});
    for (const auto& f : denominator.factors)
        all.push_back({f, true, rootsOfFactor(f.polynomial, f.multiplicity)});
    return all;
}

std::vector<CriticalPoint> criticalPoints(const std::vector<FactorRoots>& all) {
    std::vector<CriticalPoint> points;
    for (const auto& entry : all)
        for (const auto& root : entry.roots) {
            auto same = std::find_if(points.begin(), points.end(), [&](const CriticalPoint& p) {
                return p.root.value == root.value && p.root.typed == root.typed;
            });
            if (same == points.end()) {
                points.push_back({root, 0, 0});
                same = points.end() - 1;
            }
            (entry.inDenominator ? same->denominatorMultiplicity : same->numeratorMultiplicity) +=
                entry.factor.multiplicity;
        }
    std::sort(points.begin(), points.end(), [](const CriticalPoint& a, const CriticalPoint& b) {
        return a.root.value < b.root.value;
    });
    return points;
}

// An irreducible factor with positive leading coefficient is positive right of its largest
// root and changes sign at each (simple) root.
std::vector<int> factorSigns(const FactorRoots& entry, const std::vector<CriticalPoint>& points) {
    std::vector<int> signs(points.size() + 1, 1);
    for (std::size_t interval = 0; interval <= points.size(); ++interval) {
        int rootsToTheRight = 0;
        for (const auto& root : entry.roots)
            for (std::size_t k = interval; k < points.size(); ++k)
                if (points[k].root.value == root.value)
                    ++rootsToTheRight;
        const int sign = rootsToTheRight % 2 == 0 ? 1 : -1;
        signs[interval] = entry.factor.multiplicity % 2 == 0 ? 1 : sign;
    }
    return signs;
}

bool wanted(int sign, Relation relation) {
    return (relation == Relation::Less || relation == Relation::LessEqual) ? sign < 0 : sign > 0;
}

bool includesZeros(Relation relation) {
    return relation == Relation::LessEqual || relation == Relation::GreaterEqual;
}

std::string endpointText(const Endpoint& e, bool low, bool html) {
    if (e.infinite)
        return html ? (low ? "&minus;&infin;" : "&infin;") : (low ? "-inf" : "inf");
    return html ? e.root.html : e.root.typed;
}

std::string setText(const SolutionSet& set, bool html) {
    if (set.empty())
        return html ? "&empty;" : "empty";
    std::string text;
    for (const auto& piece : set) {
        if (!text.empty())
            text += html ? " &cup; " : " U ";
        if (piece.isPoint()) {
            text += "{" + endpointText(piece.low, true, html) + "}";
            continue;
        }
        if (piece.low.infinite && piece.high.infinite)
            return html ? "&#8477; = (&minus;&infin;, &infin;)" : "(-inf, inf)";
        text += std::string(piece.lowClosed ? "[" : "(") + endpointText(piece.low, true, html) +
                ", " + endpointText(piece.high, false, html) + (piece.highClosed ? "]" : ")");
    }
    return text;
}

} // namespace

std::string relationHtml(Relation r) {
    switch (r) {
    case Relation::Less:
        return "&lt;";
    case Relation::LessEqual:
        return "&le;";
    case Relation::Greater:
        return "&gt;";
    case Relation::GreaterEqual:
        return "&ge;";
    }
    return "";
}

std::string relationTyped(Relation r) {
    switch (r) {
    case Relation::Less:
        return "<";
    case Relation::LessEqual:
        return "<=";
    case Relation::Greater:
        return ">";
    case Relation::GreaterEqual:
        return ">=";
    }
    return "";
}

SignChart signChart(const Factorization& numerator, const Factorization& denominator) {
    SignChart chart;
    const auto all = rootsOfEveryFactor(numerator, denominator);
    chart.points = criticalPoints(all);
    const std::size_t intervals = chart.points.size() + 1;
    const mpq_class constant = numerator.constant / denominator.constant;
    if (constant < 0)
        chart.rows.push_back({numberHtml(constant), false, std::vector<int>(intervals, -1),
                              std::vector<bool>(chart.points.size(), false)});
    for (const auto& entry : all) {
        std::vector<bool> zeroAt;
        for (const auto& point : chart.points)
            zeroAt.push_back(
                std::any_of(entry.roots.begin(), entry.roots.end(),
                            [&](const RealRoot& r) { return r.value == point.root.value; }));
        chart.rows.push_back({factorLabel(entry.factor), entry.inDenominator,
                              factorSigns(entry, chart.points), zeroAt});
    }
    chart.signs.assign(intervals, constant < 0 ? -1 : 1);
    for (std::size_t r = constant < 0 ? 1 : 0; r < chart.rows.size(); ++r)
        for (std::size_t k = 0; k < intervals; ++k)
            chart.signs[k] *= chart.rows[r].signs[k];
    return chart;
}

SolutionSet solve(const SignChart& chart, Relation relation) {
    SolutionSet set;
    bool open = false;
    Interval current;
    const auto start = [&](Endpoint low, bool closed) {
        current = Interval{};
        current.low = std::move(low);
        current.lowClosed = closed;
        open = true;
    };
    const auto finish = [&](Endpoint high, bool closed) {
        current.high = std::move(high);
        current.highClosed = closed;
        set.push_back(current);
        open = false;
    };
    for (std::size_t k = 0; k <= chart.points.size(); ++k) {
        if (wanted(chart.signs[k], relation) && !open)
            start(k == 0 ? Endpoint{true, {}} : Endpoint{false, chart.points[k - 1].root}, false);
        if (k == chart.points.size())
            break;
        const CriticalPoint& point = chart.points[k];
        const bool pointIn = !point.excluded() && includesZeros(relation);
        const Endpoint here{false, point.root};
        if (open && !pointIn)
            finish(here, false);
        else if (!open && pointIn)
            start(here, true);
        if (open && pointIn && !wanted(chart.signs[k + 1], relation))
            finish(here, true);
    }
    if (open)
        finish(Endpoint{true, {}}, false);
    return set;
}

std::string signChartHtml(const SignChart& chart) {
    const auto signCell = [](int sign) {
        return std::string("<td align=\"center\">") + (sign > 0 ? "+" : "&minus;") + "</td>";
    };
    const auto pointCell = [](const std::string& text) {
        return "<td align=\"center\"><small>" + text + "</small></td>";
    };
    std::string html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr><th>x</th>";
    for (std::size_t k = 0; k <= chart.points.size(); ++k) {
        html += "<td></td>";
        if (k < chart.points.size())
            html += "<th>" + chart.points[k].root.html + "</th>";
    }
    html += "</tr>";
    const auto factorRow = [&](const SignChart::Row& row) {
        std::string line = "<tr><td>" + row.labelHtml +
                           (row.inDenominator ? " <small>(below)</small>" : "") + "</td>";
        for (std::size_t k = 0; k < row.signs.size(); ++k) {
            line += signCell(row.signs[k]);
            if (k < chart.points.size())
                line += pointCell(row.zeroAt[k] ? "0" : "");
        }
        return line + "</tr>";
    };
    for (const auto& row : chart.rows)
        html += factorRow(row);
    html += "<tr><td><b>quotient</b></td>";
    for (std::size_t k = 0; k < chart.signs.size(); ++k) {
        html += "<td align=\"center\"><b>" + std::string(chart.signs[k] > 0 ? "+" : "&minus;") +
                "</b></td>";
        if (k < chart.points.size())
            html += pointCell(chart.points[k].excluded() ? "undef." : "<b>0</b>");
    }
    return html + "</tr></table>";
}

std::string solutionHtml(const SolutionSet& set) {
    return setText(set, true);
}

std::string solutionTyped(const SolutionSet& set) {
    return setText(set, false);
}

} // namespace equations
