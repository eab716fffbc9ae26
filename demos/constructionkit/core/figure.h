#pragma once

#include "constructionkit/core/construction.h"

#include <optional>
#include <string>
#include <vector>

namespace constructions {

// One object of a construction where it lies for one position of the given points.
struct PlacedObject {
    bool defined = false;
    Vec2 point;
    Line line;
    Circle circle;
};

// The whole construction replayed from the given points: every object placed, or the first
// one that cannot be (two circles that do not meet) named with the reason.
struct Figure {
    std::vector<PlacedObject> objects; // parallel to Construction::objects
    std::string problem;               // empty when every object is placed
    double scale = 1.0;                // size of the figure, for the sameness tests

    const PlacedObject& at(const Construction& c, std::string_view name) const;
    std::optional<Vec2> point(const Construction& c, std::string_view name) const;
};

// Given points in the order of Construction::givenPoints().
Figure placeFigure(const Construction& c, const std::vector<Vec2>& givens);
// The figure at the given points' starting places.
Figure placeAtStart(const Construction& c);
std::vector<Vec2> startingGivens(const Construction& c);

// The radius a circle object gets in a figure whose points it needs are placed.
std::optional<Circle> circleOf(const Construction& c, const Figure& f, const ConstructionObject& o);
std::optional<Line> lineOf(const Construction& c, const Figure& f, const ConstructionObject& o);

// A measure of the figure ("angle", "distance", ...) taken of the named points.
std::optional<double> measureOf(const Construction& c, const Figure& f, const std::string& kind,
                                const std::vector<std::string>& points);

} // namespace constructions
