#pragma once

#include "planesurface/core/amount.h"
#include "planesurface/core/figure.h"
#include "planesurface/core/shapes.h"

#include "kit/core/parse_result.h"

#include <gmpxx.h>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace planesurface {

// A typed value that cannot be used, and which of the shape's fields it belongs to.
struct InputError {
    std::size_t field = 0;
    std::string message;
};

// Everything the calculator shows for one shape: the formula, the numbers put in, the result,
// the same for the perimeter, the steps in between and the figure drawn to scale.
struct Calculation {
    std::string areaFormula;      // "A = ½·b·h"
    std::string areaSubstitution; // "A = ½·10·6"
    Amount area;
    std::string perimeterName = "Perimeter";
    std::string perimeterFormula;
    std::string perimeterSubstitution;
    std::optional<Amount> perimeter; // nullopt when the values do not fix it
    std::string perimeterNote;
    std::vector<std::string> steps; // "s = (13 + 14 + 15)/2 = 21"
    Figure figure;
};

using CalculationResult = std::variant<Calculation, InputError>;

inline constexpr long maxLength = 1000000;
inline constexpr long maxSides = 100;

// One typed value of a parameter: a positive number (a fraction or decimal) up to maxLength,
// an angle between 0° and 360°, or a whole number of sides from 3 to maxSides.
kit::Parsed<mpq_class> readValue(const Parameter& parameter, std::string_view typed);

// The measures of a shape from its values (in the order of its parameters, each already read
// by readValue). Values that do not fit together (sides that break the triangle inequality, a
// height longer than the slanted side, an angle of 180° or more in a triangle) give the error
// of the field to correct.
CalculationResult calculate(Shape shape, std::vector<mpq_class> values);

// sin and cos of a whole number of degrees where they are exact: sin for 30°, 45°, 60°, 90°,
// 120°, 135°, 150°, 180°; cos (as a rational) for 60°, 90°, 120°.
std::optional<kit::Surd> exactSine(const mpq_class& degrees);
std::optional<mpq_class> exactCosine(const mpq_class& degrees);

} // namespace planesurface
