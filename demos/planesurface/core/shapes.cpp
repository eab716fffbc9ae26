#include "planesurface/core/shapes.h"

#include <stdexcept>

namespace planesurface {

namespace {

Parameter length(const char* symbol, const char* name, const char* value) {
    return {symbol, name, Parameter::Quantity::Length, value};
}
Parameter angle(const char* symbol, const char* name, const char* value) {
    return {symbol, name, Parameter::Quantity::Angle, value};
}

} // namespace

const std::vector<ShapeInfo>& shapeCatalogue() {
    static const std::vector<ShapeInfo> shapes{
        {Shape::Square, "Square", {length("a", "side", "5")}},
        {Shape::Rectangle, "Rectangle", {length("l", "length", "8"), length("w", "width", "5")}},
        {Shape::Parallelogram,
         "Parallelogram",
         {length("b", "base", "8"), length("s", "slanted side", "5"), length("h", "height", "4")}},
        {Shape::TriangleBaseHeight,
         "Triangle (base and height)",
         {length("b", "base", "10"), length("h", "height", "6")}},
        {Shape::TriangleThreeSides,
         "Triangle (three sides, Heron's formula)",
         {length("a", "side", "13"), length("b", "side", "14"), length("c", "side", "15")}},
        {Shape::TriangleTwoSidesAngle,
         "Triangle (two sides and the angle between)",
         {length("a", "side", "8"), length("b", "side", "6"), angle("C", "angle", "30")}},
        {Shape::Trapezoid,
         "Trapezoid",
         {length("a", "lower parallel side", "10"), length("b", "upper parallel side", "4"),
          length("h", "height", "4")}},
        {Shape::Rhombus,
         "Rhombus (by its diagonals)",
         {length("d\u2081", "first diagonal", "8"), length("d\u2082", "second diagonal", "6")}},
        {Shape::Circle, "Circle", {length("r", "radius", "3")}},
        {Shape::Sector,
         "Sector of a circle",
         {length("r", "radius", "6"), angle("\u03b8", "central angle", "60")}},
        {Shape::Annulus,
         "Annulus (ring)",
         {length("R", "outer radius", "5"), length("r", "inner radius", "3")}},
        {Shape::Ellipse,
         "Ellipse",
         {length("a", "semi-major axis", "5"), length("b", "semi-minor axis", "3")}},
        {Shape::RegularPolygon,
         "Regular polygon",
         {{"n", "number of sides", Parameter::Quantity::Count, "6"}, length("s", "side", "4")}},
    };
    return shapes;
}

const ShapeInfo& shapeInfo(Shape shape) {
    for (const ShapeInfo& info : shapeCatalogue())
        if (info.shape == shape)
            return info;
    throw std::invalid_argument("unknown shape");
}

} // namespace planesurface
