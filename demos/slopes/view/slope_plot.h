#pragma once

#include "kit/core/expression_input.h"

#include <optional>

class QPainter;

namespace kit {
class CanvasTransform;
}

namespace slopes {

// The secant figure: the graph of f, the secant through P = (a, f(a)) and Q = (a + h, f(a + h))
// with its rise and run drawn as a slope triangle, and the tangent at P.
struct SecantFigure {
    std::optional<kit::Expression> f;
    double a = 1, h = 1;
    std::optional<double> secantSlope, tangentSlope;
};
void drawSecantFigure(QPainter& painter, const kit::CanvasTransform& t, const SecantFigure& figure);

// The derivative's graph with the point (a, f′(a)) and the critical points' positions marked
// on the x-axis.
struct DerivativeFigure {
    std::optional<kit::Expression> derivative;
    double a = 1;
    std::vector<double> criticalXs;
};
void drawDerivativeFigure(QPainter& painter, const kit::CanvasTransform& t,
                          const DerivativeFigure& figure);

} // namespace slopes
