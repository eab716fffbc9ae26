#pragma once

#include "kit/core/surd.h"

#include <gmpxx.h>
#include <string>

namespace planesurface {

// A computed measure: its value, and where the numbers allow it its exact form ("24", "9π",
// "6√6", "10 + 2√13"). An empty exact form means only the decimal is known.
struct Amount {
    double value = 0.0;
    std::string exact;
    bool exactIsDecimal = false; // the exact form is a terminating decimal ("7.5")
};

Amount rationalAmount(const mpq_class& q);
Amount surdAmount(const kit::Surd& s);
Amount piAmount(const mpq_class& coefficient);                        // coefficient·π
Amount sumAmount(const mpq_class& q, const kit::Surd& s);             // q + s
Amount sumPiAmount(const mpq_class& q, const mpq_class& coefficient); // q + coefficient·π
Amount decimalAmount(double value);

// "6", "2.5" for a terminating decimal with at most six places, otherwise "5/3".
std::string numberText(const mpq_class& q);
// "π", "9π", "2.5π", "25π/3".
std::string piText(const mpq_class& coefficient);
// Two decimals from 1 on ("28.27"), four significant digits below ("0.4330").
std::string roundedText(double value);
// What the learner reads: "24", "7.5", "9π ≈ 28.27", "6√6 ≈ 14.70", "≈ 11.18".
std::string amountText(const Amount& amount);

} // namespace planesurface
