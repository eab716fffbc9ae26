#include "angles/core/identities.h"

#include <cmath>
#include <numbers>

namespace angles {

namespace {

constexpr double halfPi = std::numbers::pi / 2;

double square(double v) {
    return v * v;
}

} // namespace

const std::vector<Identity>& basicIdentities() {
    using std::cos;
    using std::sin;
    using std::tan;
    static const std::vector<Identity> list = {
        {"sin&sup2;x + cos&sup2;x = 1",
         "Pythagoras in the unit circle: the point (cos x, sin x) "
         "is at distance 1 from the centre.",
         [](double x) { return square(sin(x)) + square(cos(x)); }, [](double) { return 1.0; }},
        {"tan x = sin x / cos x", "The tangent is the slope of the radius: rise over run.",
         [](double x) { return tan(x); }, [](double x) { return sin(x) / cos(x); }},
        {"1 + tan&sup2;x = 1 / cos&sup2;x", "Divide sin&sup2;x + cos&sup2;x = 1 by cos&sup2;x.",
         [](double x) { return 1 + square(tan(x)); }, [](double x) { return 1 / square(cos(x)); }},
        {"sin(&minus;x) = &minus;sin x", "Reflecting in the x-axis changes the sign of the height.",
         [](double x) { return sin(-x); }, [](double x) { return -sin(x); }},
        {"cos(&minus;x) = cos x", "Reflecting in the x-axis keeps the abscissa.",
         [](double x) { return cos(-x); }, [](double x) { return cos(x); }},
        {"sin(&pi;/2 &minus; x) = cos x",
         "The complementary angle swaps the legs of the "
         "right triangle.",
         [](double x) { return sin(halfPi - x); }, [](double x) { return cos(x); }},
        {"sin(x + &pi;) = &minus;sin x", "A half turn takes (cos x, sin x) to its opposite point.",
         [](double x) { return sin(x + 2 * halfPi); }, [](double x) { return -sin(x); }},
        {"sin 2x = 2 sin x cos x",
         "The addition formula sin(x + y) = sin x cos y + cos x sin y "
         "with y = x.",
         [](double x) { return sin(2 * x); }, [](double x) { return 2 * sin(x) * cos(x); }},
        {"cos 2x = cos&sup2;x &minus; sin&sup2;x",
         "The addition formula cos(x + y) = cos x cos y "
         "&minus; sin x sin y with y = x.",
         [](double x) { return cos(2 * x); },
         [](double x) { return square(cos(x)) - square(sin(x)); }},
    };
    return list;
}

} // namespace angles
