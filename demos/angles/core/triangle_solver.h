#pragma once

#include <string>
#include <vector>

namespace angles {

// A triangle with sides a, b, c opposite the angles A, B, C (in degrees).
struct Triangle {
    double a = 0, b = 0, c = 0;
    double A = 0, B = 0, C = 0;
};

// What was given, in the order the fields ask for it.
enum class TriangleCase {
    SSS,                  // a, b, c
    SAS,                  // b, A, c: the angle between the two sides
    ASA,                  // B, a, C: the side between the two angles
    AAS,                  // A, B, a: the side opposite the first angle
    SSA,                  // a, b, A: the angle opposite the first side (ambiguous)
    RightLegs,            // a, b with C = 90°
    RightHypotenuseAngle, // c, A with C = 90°
};

// The solutions (none, one, or two in the ambiguous case), how they were found step by step,
// and, when there is none, why: "the sides break the triangle inequality: 2 + 3 < 7".
struct TriangleSolution {
    std::vector<Triangle> triangles;
    std::vector<std::string> steps;
    std::string error;
};

// The labels of the given values for a case ("side a", "angle A (°)", ...).
std::vector<std::string> givenLabels(TriangleCase which);

TriangleSolution solveTriangle(TriangleCase which, const std::vector<double>& given);

// The triangle with these three sides (angles by the law of cosines); the sides must satisfy
// the triangle inequality.
Triangle triangleFromSides(double a, double b, double c);

double triangleArea(const Triangle& t); // ½·b·c·sin A

} // namespace angles
