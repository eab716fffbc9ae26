#pragma once

#include "transformkit/core/exact_point.h"

#include <string>

namespace transformkit {

// The line a·x + b·y = c (a and b not both 0).
struct Line {
    mpq_class a;
    mpq_class b;
    mpq_class c;
};

// The line through two different points.
Line lineThrough(const ExactPoint& p, const ExactPoint& q);
// The same line with whole coefficients without a common factor, the first non-zero one
// positive.
Line normalised(const Line& line);
bool sameLine(const Line& l, const Line& m);
bool parallel(const Line& l, const Line& m);
bool onLine(const Line& line, const ExactPoint& p);
// "the x-axis", "y = x", "x = 3", "y = −2", "2x − y = 3".
std::string lineText(const Line& line);
// Two points of the line, for drawing: the foot of the perpendicular from the origin and one
// step along the line.
ExactPoint pointOn(const Line& line);
ExactPoint direction(const Line& line);

} // namespace transformkit
