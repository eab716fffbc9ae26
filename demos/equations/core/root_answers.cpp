#include "equations/core/root_answers.h"

#include "kit/core/answer_checks.h"
#include "kit/core/expression_input.h"
#include "kit/core/number_input.h"
#include "kit/core/text_scan.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace equations {

namespace {

std::vector<std::string> items(std::string_view text) {
    std::vector<std::string> list(1);
    for (const char c : text)
        if (c == ',' || c == ';')
            list.emplace_back();
        else
            list.back() += c;
    return list;
}

bool blank(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isspace(c); });
}

bool saysNone(std::string_view text) {
    std::string t;
    for (const char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            t += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return t == "none" || t == "noroots" || t == "norealroots" || t == "empty" || t == "{}";
}

std::string countText(std::size_t n) {
    return n == 1 ? "1 distinct real root" : std::to_string(n) + " distinct real roots";
}

} // namespace

RootCheck expectRationalRoots(const Polynomial& p, std::vector<mpq_class> roots) {
    return [p, roots](std::string_view typed) -> kit::Verdict {
        if (const auto error = kit::checkLength(typed, "the list of roots"))
            return {false, error->message};
        if (saysNone(typed))
            return {false, roots.empty() ? kit::correctMessage
                                         : "there are real roots: try the candidates of the "
                                           "rational root theorem"};
        std::vector<mpq_class> given;
        for (const auto& item : items(typed)) {
            if (blank(item))
                return {false, "a root is missing between two commas"};
            const auto number = kit::parseRational(item);
            if (!number.ok())
                return {false, number.error().message};
            if (std::find(given.begin(), given.end(), number.value()) != given.end())
                return {false,
                        "write each root once (" + number.value().get_str() + " is given twice)"};
            given.push_back(number.value());
        }
        for (const auto& r : given)
            if (p.at(r) != 0)
                return {false, r.get_str() + " is not a root: p(" + r.get_str() +
                                   ") = " + p.at(r).get_str()};
        if (given.size() < roots.size())
            return {false,
                    "those are roots, but one is missing: there are " + countText(roots.size())};
        return {true, kit::correctMessage};
    };
}

RootCheck expectExactRoots(std::vector<RealRoot> roots) {
    return [roots](std::string_view typed) -> kit::Verdict {
        if (const auto error = kit::checkLength(typed, "the list of roots"))
            return {false, error->message};
        if (saysNone(typed))
            return roots.empty() ? kit::Verdict{true, kit::correctMessage}
                                 : kit::Verdict{false, "there are real roots: the discriminant "
                                                       "is not negative"};
        if (typed.find('.') != std::string_view::npos)
            return {false, "give exact values such as (1 + sqrt(5))/2, not decimals"};
        std::vector<double> given;
        for (const auto& item : items(typed)) {
            if (blank(item))
                return {false, "a root is missing between two commas"};
            const auto parsed = kit::Expression::parse(item, {});
            if (!parsed.ok())
                return {false, parsed.error().message};
            const auto value = parsed.value().evaluate({});
            if (!value)
                return {false, "\"" + item + "\" is not a real number"};
            given.push_back(*value);
        }
        const auto near = [](double a, double b) {
            return std::abs(a - b) <= 1e-9 * (1.0 + std::abs(b));
        };
        for (std::size_t i = 0; i < given.size(); ++i)
            for (std::size_t j = i + 1; j < given.size(); ++j)
                if (near(given[i], given[j]))
                    return {false, "write each root once"};
        for (const double g : given)
            if (std::none_of(roots.begin(), roots.end(),
                             [&](const RealRoot& r) { return near(g, r.value); }))
                return {false, roots.empty() ? "there are no real roots"
                                             : "one of those numbers is not a root"};
        if (given.size() < roots.size())
            return {false, "one root is missing: there are " + countText(roots.size())};
        return {true, kit::correctMessage};
    };
}

} // namespace equations
