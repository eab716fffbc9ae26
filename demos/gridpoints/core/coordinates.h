#pragma once

#include "kit/core/parse_result.h"
#include "kit/core/surd.h"

#include <gmpxx.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gridpoints {

// A point of the coordinate plane with exact rational coordinates.
struct ExactPoint {
    mpq_class x;
    mpq_class y;
    bool operator==(const ExactPoint&) const = default;
};

// "(3, -1/2)"; a negative number in a product is bracketed by bracketed(): "(-2)".
std::string pointText(const ExactPoint& p);
std::string numberText(const mpq_class& q);
std::string bracketed(const mpq_class& q);

// "(3, -1/2)", "3, -0.5", "3; 4" or "3 4".
kit::Parsed<ExactPoint> parsePoint(std::string_view text);

// |PQ|² and |PQ| as a simplified root.
mpq_class distanceSquared(const ExactPoint& p, const ExactPoint& q);
kit::Surd distance(const ExactPoint& p, const ExactPoint& q);
std::string distanceText(const ExactPoint& p, const ExactPoint& q); // "5", "2√13"

// The slope (y₂ − y₁)/(x₂ − x₁); nullopt for a vertical line (x₁ = x₂).
std::optional<mpq_class> slope(const ExactPoint& p, const ExactPoint& q);

// The line a·x + b·y = c with whole coprime a, b, c, and a > 0 (or a = 0 and b > 0).
struct Line {
    mpz_class a;
    mpz_class b;
    mpz_class c;
    bool operator==(const Line&) const = default;
    bool vertical() const { return b == 0; }
    std::optional<mpq_class> slope() const;
    std::optional<mpq_class> intercept() const; // where it meets the y axis
};

// From a·x + b·y = c with rational coefficients (not both a and b zero), normalised.
Line makeLine(const mpq_class& a, const mpq_class& b, const mpq_class& c);
// Through two different points.
Line lineThrough(const ExactPoint& p, const ExactPoint& q);
// Through p with the slope m.
Line lineWithSlope(const ExactPoint& p, const mpq_class& m);
Line parallelThrough(const Line& line, const ExactPoint& p);
Line perpendicularThrough(const Line& line, const ExactPoint& p);
std::optional<ExactPoint> intersection(const Line& l, const Line& m);
bool contains(const Line& line, const ExactPoint& p);

// "y = 2x - 3", "y = (1/2)x + 4", "y = 5", "x = -2".
std::string slopeInterceptText(const Line& line);
// "y - 1 = 2(x - 3)" through p; a vertical line as "x = 3".
std::string pointSlopeText(const Line& line, const ExactPoint& p);
// "2x - y - 3 = 0".
std::string generalText(const Line& line);

// Twice the signed area (shoelace sum); the area is |sum|/2.
mpq_class shoelaceSum(const std::vector<ExactPoint>& polygon);
mpq_class polygonArea(const std::vector<ExactPoint>& polygon);
// True when two sides that do not share a corner meet (the corners are not taken in order
// round the polygon); the shoelace sum is then not the area.
bool sidesCross(const std::vector<ExactPoint>& polygon);
// "x₁y₂ − x₂y₁" terms written out: "3·4 − 1·2 = 10", one per edge.
std::vector<std::string> shoelaceTerms(const std::vector<ExactPoint>& polygon);

// The midpoint; the point dividing PQ internally in the ratio m : n (m, n > 0); the centroid.
ExactPoint midpoint(const ExactPoint& p, const ExactPoint& q);
ExactPoint sectionPoint(const ExactPoint& p, const ExactPoint& q, const mpq_class& m,
                        const mpq_class& n);
ExactPoint centroid(const ExactPoint& a, const ExactPoint& b, const ExactPoint& c);

// "(x - 2)² + (y + 1)² = 25" and its expanded form "x² + y² - 4x + 2y - 20 = 0".
std::string circleText(const ExactPoint& centre, const mpq_class& radiusSquared);
std::string expandedCircleText(const ExactPoint& centre, const mpq_class& radiusSquared);

// "2x", "-x", "(1/2)x", "" for 0: a coefficient before a variable.
std::string termText(const mpq_class& coefficient, const std::string& variable);
// Terms joined with their signs: {"2x", "-y", "3"} -> "2x - y + 3"; "0" when all are empty.
std::string joinTerms(const std::vector<std::string>& terms);

} // namespace gridpoints
