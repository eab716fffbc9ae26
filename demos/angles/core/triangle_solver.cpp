#include "angles/core/triangle_solver.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>

namespace angles {

namespace {

constexpr double pi = std::numbers::pi;

double toRadians(double degrees) {
    return degrees * pi / 180;
}
double toDegrees(double radians) {
    return radians * 180 / pi;
}

std::string number(double v) {
    std::ostringstream out;
    out.precision(6);
    out << v;
    return out.str();
}

// The angle opposite side `opposite` by the law of cosines, clamped against rounding.
double angleOpposite(double opposite, double s1, double s2) {
    const double cosine = (s1 * s1 + s2 * s2 - opposite * opposite) / (2 * s1 * s2);
    return toDegrees(std::acos(std::clamp(cosine, -1.0, 1.0)));
}

std::string checkPositive(const std::vector<std::string>& labels,
                          const std::vector<double>& given) {
    for (std::size_t k = 0; k < given.size(); ++k) {
        if (!std::isfinite(given[k]) || given[k] <= 0)
            return labels[k] + " must be a positive number";
        if (labels[k].starts_with("angle") && given[k] >= 180)
            return labels[k] + " must be less than 180°";
    }
    return "";
}

std::string triangleInequality(double a, double b, double c) {
    const double sides[] = {a, b, c};
    for (int k = 0; k < 3; ++k) {
        const double x = sides[k], y = sides[(k + 1) % 3], z = sides[(k + 2) % 3];
        if (x + y <= z * (1 + 1e-12))
            return "the sides break the triangle inequality: " + number(x) + " + " + number(y) +
                   " is not more than " + number(z);
    }
    return "";
}

TriangleSolution fromSidesWithSteps(double a, double b, double c, std::vector<std::string> steps) {
    TriangleSolution s;
    s.error = triangleInequality(a, b, c);
    if (!s.error.empty())
        return s;
    const Triangle t = triangleFromSides(a, b, c);
    steps.push_back("Law of cosines: cos A = (b² + c² − a²)/(2bc), so A = " + number(t.A) + "°.");
    steps.push_back("cos B = (a² + c² − b²)/(2ac), so B = " + number(t.B) + "°.");
    steps.push_back("C = 180° − A − B = " + number(t.C) + "°.");
    s.triangles.push_back(t);
    s.steps = std::move(steps);
    return s;
}

// Two angles and the side a opposite A: the third angle, then the law of sines.
TriangleSolution fromAnglesAndSide(double A, double B, double a, std::vector<std::string> steps) {
    TriangleSolution s;
    if (A + B >= 180) {
        s.error =
            "the two angles add to " + number(A + B) + "°, which leaves nothing for the third";
        return s;
    }
    const double C = 180 - A - B;
    const double ratio = a / std::sin(toRadians(A));
    steps.push_back("C = 180° − A − B = " + number(C) + "°.");
    steps.push_back("Law of sines: a/sin A = " + number(ratio) + " for every side and angle.");
    steps.push_back(
        "b = " + number(ratio) + " · sin B = " + number(ratio * std::sin(toRadians(B))) +
        ", c = " + number(ratio) + " · sin C = " + number(ratio * std::sin(toRadians(C))) + ".");
    s.triangles.push_back(
        {a, ratio * std::sin(toRadians(B)), ratio * std::sin(toRadians(C)), A, B, C});
    s.steps = std::move(steps);
    return s;
}

TriangleSolution solveSSA(double a, double b, double A) {
    TriangleSolution s;
    const double sinB = b * std::sin(toRadians(A)) / a;
    s.steps.push_back("Law of sines: sin B = b·sin A / a = " + number(sinB) + ".");
    if (sinB > 1 + 1e-12) {
        s.error = "no triangle: sin B = " + number(sinB) +
                  " is more than 1 (side a is too short to reach the base)";
        return s;
    }
    // Near 1 the arcsine magnifies rounding (asin(1 − 10⁻¹⁶) is 90° − 10⁻⁶°): a sine that
    // is 1 up to rounding is the one right triangle where side a just touches.
    const bool touching = sinB > 1 - 1e-12;
    const double acute = touching ? 90.0 : toDegrees(std::asin(sinB));
    std::vector<double> choices{acute};
    if (!touching)
        choices.push_back(180 - acute);
    for (double B : choices) {
        if (A + B >= 180 - 1e-9) {
            s.steps.push_back("B = " + number(B) + "° is too large: A + B is not below 180°.");
            continue;
        }
        const double C = 180 - A - B;
        const double c = a * std::sin(toRadians(C)) / std::sin(toRadians(A));
        s.steps.push_back("B = " + number(B) + "° gives C = " + number(C) +
                          "° and c = a·sin C / sin A = " + number(c) + ".");
        s.triangles.push_back({a, b, c, A, B, C});
    }
    if (s.triangles.size() == 2)
        s.steps.push_back("Both fit: the ambiguous case has two triangles.");
    if (s.triangles.empty())
        s.error = "no triangle: angle A leaves no room for B";
    return s;
}

} // namespace

std::vector<std::string> givenLabels(TriangleCase which) {
    switch (which) {
    case TriangleCase::SSS:
        return {"side a", "side b", "side c"};
    case TriangleCase::SAS:
        return {"side b", "angle A (°)", "side c"};
    case TriangleCase::ASA:
        return {"angle B (°)", "side a", "angle C (°)"};
    case TriangleCase::AAS:
        return {"angle A (°)", "angle B (°)", "side a"};
    case TriangleCase::SSA:
        return {"side a", "side b", "angle A (°)"};
    case TriangleCase::RightLegs:
        return {"leg a", "leg b"};
    case TriangleCase::RightHypotenuseAngle:
        return {"hypotenuse c", "angle A (°)"};
    }
    return {};
}

Triangle triangleFromSides(double a, double b, double c) {
    Triangle t{a, b, c, angleOpposite(a, b, c), angleOpposite(b, a, c), 0};
    t.C = 180 - t.A - t.B;
    return t;
}

double triangleArea(const Triangle& t) {
    return 0.5 * t.b * t.c * std::sin(toRadians(t.A));
}

TriangleSolution solveTriangle(TriangleCase which, const std::vector<double>& given) {
    const auto labels = givenLabels(which);
    TriangleSolution s;
    if (given.size() != labels.size()) {
        s.error = "expected " + std::to_string(labels.size()) + " values";
        return s;
    }
    s.error = checkPositive(labels, given);
    if (!s.error.empty())
        return s;
    const auto& g = given;
    switch (which) {
    case TriangleCase::SSS:
        return fromSidesWithSteps(g[0], g[1], g[2], {});
    case TriangleCase::SAS: {
        const double a =
            std::sqrt(g[0] * g[0] + g[2] * g[2] - 2 * g[0] * g[2] * std::cos(toRadians(g[1])));
        return fromSidesWithSteps(
            a, g[0], g[2], {"Law of cosines: a² = b² + c² − 2bc·cos A, so a = " + number(a) + "."});
    }
    case TriangleCase::ASA:
        if (g[0] + g[2] >= 180) {
            s.error = "the two angles add to " + number(g[0] + g[2]) +
                      "°, which leaves nothing "
                      "for the third";
            return s;
        }
        return fromAnglesAndSide(180 - g[0] - g[2], g[0], g[1],
                                 {"A = 180° − B − C = " + number(180 - g[0] - g[2]) + "°."});
    case TriangleCase::AAS:
        return fromAnglesAndSide(g[0], g[1], g[2], {});
    case TriangleCase::SSA:
        return solveSSA(g[0], g[1], g[2]);
    case TriangleCase::RightLegs: {
        const double c = std::hypot(g[0], g[1]);
        return fromSidesWithSteps(g[0], g[1], c,
                                  {"Pythagoras: c = √(a² + b²) = " + number(c) + "."});
    }
    case TriangleCase::RightHypotenuseAngle: {
        if (g[1] >= 90) {
            s.error = "angle A of a right triangle must be less than 90°";
            return s;
        }
        const double a = g[0] * std::sin(toRadians(g[1])), b = g[0] * std::cos(toRadians(g[1]));
        s.steps = {"sin A = a/c, so a = c·sin A = " + number(a) + ".",
                   "cos A = b/c, so b = c·cos A = " + number(b) + ".",
                   "B = 90° − A = " + number(90 - g[1]) + "°."};
        s.triangles.push_back({a, b, g[0], g[1], 90 - g[1], 90});
        return s;
    }
    }
    return s;
}

} // namespace angles
