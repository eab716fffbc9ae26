#pragma once

#include "arrows/core/exact_vector.h"

#include <optional>
#include <string>

namespace arrows {

// |a| exactly where the root can be simplified within a small budget ("5", "2√3"), otherwise
// as a decimal ("≈ 12.3457").
std::string lengthText(const ExactVector& a);

// a/|a| with each component written exactly: (3/5, 4/5) or (√2/2, -√2/2); "none" for 0.
std::string unitVectorText(const ExactVector& a);

// The angle between a and b in whole degrees when its cosine is one of 0, ±1/2, ±√2/2,
// ±√3/2, ±1 (decided exactly from cos²θ = (a·b)²/(|a|²|b|²)); nullopt otherwise or for 0.
std::optional<int> exactAngleDegrees(const ExactVector& a, const ExactVector& b);
// "60°" when exact, "≈ 26.57°" otherwise, "undefined" with a zero vector.
std::string angleText(const ExactVector& a, const ExactVector& b);

// What a and b span in the plane: the whole plane, a line, or only the origin.
enum class PlaneSpan { Origin, Line, Plane };
PlaneSpan planeSpan(const ExactVector& a, const ExactVector& b);

} // namespace arrows
