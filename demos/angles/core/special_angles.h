#pragma once

#include "kit/core/surd.h"

#include <gmpxx.h>
#include <optional>
#include <string>

namespace angles {

// The exact sine, cosine and tangent of a multiple of 30° or 45°, read from the right
// triangles with angles 30°-60°-90° (sides 1, √3, 2) and 45°-45°-90° (sides 1, 1, √2), with
// the signs of the quadrant. The tangent is absent where the cosine is 0.
struct ExactTrig {
    kit::Surd sine;
    kit::Surd cosine;
    std::optional<kit::Surd> tangent;
};

// True for whole multiples of 30° or 45° (negative and beyond 360° included).
bool isSpecialAngle(long degrees);
std::optional<ExactTrig> exactTrig(long degrees);

// A signed surd as text: "−√3/2", "1/2", "0" (the minus is U+2212).
std::string signedSurdText(const kit::Surd& s);

// The degrees as a multiple of π: 150 → "5π/6", 180 → "π", 0 → "0", −90 → "−π/2".
std::string radiansText(const mpq_class& degrees);
// The same as the learner would type it: "5pi/6".
std::string radiansTyped(const mpq_class& degrees);

// The angle reduced into [0°, 360°).
long reducedDegrees(long degrees);
// The reference angle: the acute angle the terminal side makes with the x-axis.
long referenceAngle(long degrees);
// The quadrant 1 to 4, or 0 on an axis.
int quadrantOf(long degrees);

} // namespace angles
