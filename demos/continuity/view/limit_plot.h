#pragma once

#include "kit/core/expression_input.h"

#include <optional>

class QPainter;

namespace kit {
class CanvasTransform;
}

namespace continuity {

// What the limit figure shows: the graph, the line x = a, the one-sided limits as open
// circles, f(a) as a filled dot and, in the ε–δ game, the horizontal ε band around L, the
// vertical δ strip around a and the point that breaks the claim.
struct LimitFigure {
    std::optional<kit::Expression> f;
    double a = 0;
    std::optional<double> leftLimit, rightLimit, value;
    bool showBands = false;
    double limit = 0, epsilon = 0.5, delta = 0.5;
    std::optional<double> counterexample;
    std::optional<double> counterValue;
};

void drawLimitFigure(QPainter& painter, const kit::CanvasTransform& t, const LimitFigure& figure);

} // namespace continuity
