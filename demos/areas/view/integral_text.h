#pragma once

#include "areas/core/definite_integral.h"

#include <QString>

namespace areas {

// Numbers and formulas as the explore area shows them.
QString shownNumber(double v, int digits = 8);
QString formula(const kit::Expression& e); // graphs_core's textbook form
// "∫ₐᵇ f dx = F(b) − F(a) = 1/3 ≈ 0.333333 (power rule)" or the numeric value with its estimate.
QString integralHtml(const DefiniteIntegral& integral, const QString& lower, const QString& upper);

} // namespace areas
