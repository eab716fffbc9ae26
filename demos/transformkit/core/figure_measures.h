#pragma once

#include "transformkit/core/transformation.h"

#include <string>
#include <vector>

namespace transformkit {

// A polygon's sides, angles, orientation and area beside those of its image, to show what a
// transformation keeps.
struct SideComparison {
    std::string name;        // "AB"
    std::string length;      // "5", "2√3"
    std::string imageLength; // "5", "≈ 3.46"
    double ratio = 1;        // image length / length
};

struct AngleComparison {
    std::string name; // "A"
    double degrees = 0;
    double imageDegrees = 0;
};

struct FigureComparison {
    std::vector<SideComparison> sides;
    std::vector<AngleComparison> angles;
    double area = 0;                // unsigned
    double imageArea = 0;           // unsigned
    bool anticlockwise = true;      // the vertices A, B, C, ... in order
    bool imageAnticlockwise = true; // A', B', C', ...
    bool lengthsKept = true;
    bool anglesKept = true;
};

// The vertex names A, B, C, ... with a suffix: vertexName(1, "′") = "B′".
std::string vertexName(std::size_t index, const std::string& primes = "");

// The shoelace formula: twice the signed area is Σ (x_i·y_{i+1} − x_{i+1}·y_i).
double signedArea(const std::vector<double>& xs, const std::vector<double>& ys);
mpq_class signedArea(const std::vector<ExactPoint>& polygon);

// The interior angle at each vertex (the polygon is simple), in degrees.
std::vector<double> interiorAngles(const std::vector<double>& xs, const std::vector<double>& ys);

FigureComparison compareFigure(const std::vector<ExactPoint>& polygon, const Transformation& t);

} // namespace transformkit
