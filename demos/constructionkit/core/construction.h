#pragma once

#include "constructionkit/core/plane_geometry.h"
#include "kit/core/parse_result.h"

#include <string>
#include <string_view>
#include <vector>

namespace constructions {

enum class ObjectKind { Point, Line, Circle };
// How a line is drawn: the whole line, the segment between its points, or the ray from the
// first through the second. Intersections always use the whole line.
enum class LineExtent { Whole, Segment, Ray };
// Which crossing a meeting point is, when two figures cross twice: the one nearer to or
// farther from a point, the one that is not a point already named, or the one on the left or
// right of the directed line from one point to another.
enum class Choice { Only, Nearer, Farther, Other, Left, Right };

// One named object of a construction. Points are given (dragged by the learner) or where two
// lines or circles meet; lines go through two points; circles have a centre and either pass
// through a point or have the radius of a segment.
struct ConstructionObject {
    std::string name;
    ObjectKind kind = ObjectKind::Point;
    // A given point: where it starts, and what it is.
    bool given = false;
    Vec2 start;
    std::string description;
    // A meeting point: the two figures and the choice with its reference points.
    std::string first, second;
    Choice choice = Choice::Only;
    std::string reference, reference2;
    // A line: its two points (first, second) and how it is drawn.
    LineExtent extent = LineExtent::Whole;
    // A circle: the centre, and the point it passes through or the ends of its radius.
    std::string centre, through, radiusFrom, radiusTo;
};

// One step of the construction: the one line or circle drawn with the straight edge or the
// compass, the points it marks, what is done in words and why it works.
struct ConstructionStep {
    std::string action;
    std::string reason;
    int drawn = -1;          // index of the line or circle
    std::vector<int> marked; // indices of the points found by it
};

// A measure of the finished figure a learner is asked for: its kind ("angle", "distance",
// "squared-distance", "perimeter", "x", "y"), the points it is taken of, the question and the
// worked solution, whose {kind P Q} fields are filled in with the measures of the figure.
struct MeasureQuestion {
    std::string kind;
    std::vector<std::string> points;
    std::string question;
    std::vector<std::string> solution;
};

struct Construction {
    std::string title;
    std::string goal;
    std::vector<ConstructionObject> objects;
    int givenObjects = 0; // objects before the first step: the given figure
    std::vector<ConstructionStep> steps;
    std::vector<std::string> conclusion;
    std::vector<MeasureQuestion> measures;

    // Index of the named object, -1 when there is none.
    int indexOf(std::string_view name) const;
    std::vector<int> givenPoints() const;
};

// Reads the text of a construction file. A fault names its line: "line 12: \"k3\" is not
// named before".
kit::Parsed<Construction> parseConstruction(std::string_view text);

} // namespace constructions
