#include "slopes/core/derivative_check.h"

#include "graphs/core/function_algebra.h"

#include "kit/core/answer_checks.h"

#include <cmath>
#include <cstdio>

namespace slopes {

namespace {

constexpr int pointsTried = 24;
constexpr int pointsNeeded = 8;

std::string_view rightSide(std::string_view typed) {
    const auto at = typed.find('=');
    return at == std::string_view::npos ? typed : typed.substr(at + 1);
}

std::string shown(double v) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.6g", v);
    return buffer;
}

} // namespace

kit::Verdict checkDerivative(std::string_view typed, const kit::Expression& f, kit::Seed seed) {
    try {
        const auto parsed = graphs::parseFunction(rightSide(typed));
        if (!parsed.ok())
            return {false, parsed.error().message};
        const kit::Expression answer = parsed.value();
        const kit::Expression derivative = f.derivative(0);
        if (answer.equivalentTo(derivative))
            return {true, kit::correctMessage};
        kit::Random random(seed);
        int compared = 0;
        for (int k = 0; k < pointsTried; ++k) {
            const double x = static_cast<double>(random.between(-3000, 3000)) / 1000.0 + 1e-4;
            const auto expected = derivative.evaluate({x});
            const auto given = answer.evaluate({x});
            if (!expected)
                continue;
            if (!given || std::abs(*given - *expected) > 1e-8 * (1 + std::abs(*expected)))
                return {false, "at x = " + shown(x) + " your derivative gives " +
                                   (given ? shown(*given) : std::string("no value")) +
                                   " but f\u2032(" + shown(x) + ") = " + shown(*expected)};
            ++compared;
        }
        if (compared >= pointsNeeded)
            return {true, kit::correctMessage};
        return {false, "f\u2032 has too few values between \u22123 and 3 to compare with"};
    } catch (const std::exception& error) {
        return {false, std::string("That answer could not be checked: ") + error.what()};
    }
}

} // namespace slopes
