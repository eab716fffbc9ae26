#pragma once

#include <string>
#include <vector>

namespace planesurface {

enum class Shape {
    Square,
    Rectangle,
    Parallelogram,
    TriangleBaseHeight,
    TriangleThreeSides,
    TriangleTwoSidesAngle,
    Trapezoid,
    Rhombus,
    Circle,
    Sector,
    Annulus,
    Ellipse,
    RegularPolygon
};

// What one typed value of a shape is.
struct Parameter {
    enum class Quantity { Length, Angle, Count };
    std::string symbol; // "b"
    std::string name;   // "base"
    Quantity quantity = Quantity::Length;
    std::string firstValue; // shown when the shape is chosen
};

struct ShapeInfo {
    Shape shape;
    std::string name; // "Triangle (three sides, Heron)"
    std::vector<Parameter> parameters;
};

// Every shape the calculator knows, in the order the chooser lists them.
const std::vector<ShapeInfo>& shapeCatalogue();
const ShapeInfo& shapeInfo(Shape shape);

} // namespace planesurface
