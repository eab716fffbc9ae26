#include "constructionkit/core/figure.h"

#include <algorithm>
#include <cmath>

namespace constructions {
namespace {

std::optional<Vec2> placedPoint(const Construction& c, const Figure& f, const std::string& name) {
    return f.point(c, name);
}

std::vector<Vec2> crossings(const Construction& c, const Figure& f, const ConstructionObject& o) {
    const ConstructionObject& a = c.objects[static_cast<std::size_t>(c.indexOf(o.first))];
    const ConstructionObject& b = c.objects[static_cast<std::size_t>(c.indexOf(o.second))];
    const PlacedObject& pa = f.at(c, o.first);
    const PlacedObject& pb = f.at(c, o.second);
    if (!pa.defined || !pb.defined)
        return {};
    if (a.kind == ObjectKind::Line && b.kind == ObjectKind::Line)
        return intersect(pa.line, pb.line);
    if (a.kind == ObjectKind::Line)
        return intersect(pa.line, pb.circle);
    if (b.kind == ObjectKind::Line)
        return intersect(pb.line, pa.circle);
    return intersect(pa.circle, pb.circle);
}

std::optional<Vec2> chosen(const Construction& c, const Figure& f, const ConstructionObject& o,
                           const std::vector<Vec2>& found) {
    if (found.empty())
        return std::nullopt;
    if (o.choice == Choice::Only || found.size() == 1)
        return found.front();
    const auto ref = placedPoint(c, f, o.reference);
    if (!ref)
        return std::nullopt;
    const Vec2 p = found[0];
    const Vec2 q = found[1];
    switch (o.choice) {
    case Choice::Nearer:
        return distance(p, *ref) <= distance(q, *ref) ? p : q;
    case Choice::Farther:
        return distance(p, *ref) >= distance(q, *ref) ? p : q;
    case Choice::Other:
        return distance(p, *ref) >= distance(q, *ref) ? p : q;
    case Choice::Left:
    case Choice::Right: {
        const auto ref2 = placedPoint(c, f, o.reference2);
        if (!ref2)
            return std::nullopt;
        const Vec2 dir = *ref2 - *ref;
        const bool pLeft = cross(dir, p - *ref) >= cross(dir, q - *ref);
        return (o.choice == Choice::Left) == pLeft ? p : q;
    }
    case Choice::Only:
        break;
    }
    return p;
}

std::string whyUndefined(const Construction& c, const ConstructionObject& o) {
    if (o.kind == ObjectKind::Point) {
        const bool bothLines =
            c.objects[static_cast<std::size_t>(c.indexOf(o.first))].kind == ObjectKind::Line &&
            c.objects[static_cast<std::size_t>(c.indexOf(o.second))].kind == ObjectKind::Line;
        return o.first + " and " + o.second + (bothLines ? " are parallel" : " do not meet") +
               ", so there is no point " + o.name + ": move the given points apart.";
    }
    return "Two of the points " + o.name +
           " needs lie on each other, so it cannot be drawn: move the given points apart.";
}

} // namespace

const PlacedObject& Figure::at(const Construction& c, std::string_view name) const {
    static const PlacedObject none;
    const int index = c.indexOf(name);
    if (index < 0 || static_cast<std::size_t>(index) >= objects.size())
        return none;
    return objects[static_cast<std::size_t>(index)];
}

std::optional<Vec2> Figure::point(const Construction& c, std::string_view name) const {
    const PlacedObject& p = at(c, name);
    if (!p.defined)
        return std::nullopt;
    return p.point;
}

std::optional<Line> lineOf(const Construction& c, const Figure& f, const ConstructionObject& o) {
    const auto a = placedPoint(c, f, o.first);
    const auto b = placedPoint(c, f, o.second);
    if (!a || !b || samePoint(*a, *b, f.scale))
        return std::nullopt;
    return Line{*a, *b};
}

std::optional<Circle> circleOf(const Construction& c, const Figure& f,
                               const ConstructionObject& o) {
    const auto centre = placedPoint(c, f, o.centre);
    if (!centre)
        return std::nullopt;
    double radius = 0.0;
    if (!o.through.empty()) {
        const auto through = placedPoint(c, f, o.through);
        if (!through)
            return std::nullopt;
        radius = distance(*centre, *through);
    } else {
        const auto from = placedPoint(c, f, o.radiusFrom);
        const auto to = placedPoint(c, f, o.radiusTo);
        if (!from || !to)
            return std::nullopt;
        radius = distance(*from, *to);
    }
    if (nearlyEqual(radius, 0.0, f.scale))
        return std::nullopt;
    return Circle{*centre, radius};
}

Figure placeFigure(const Construction& c, const std::vector<Vec2>& givens) {
    Figure f;
    f.objects.resize(c.objects.size());
    std::size_t nextGiven = 0;
    for (const Vec2& g : givens)
        f.scale = std::max({f.scale, std::abs(g.x), std::abs(g.y)});
    for (std::size_t i = 0; i < c.objects.size(); ++i) {
        const ConstructionObject& o = c.objects[i];
        PlacedObject& p = f.objects[i];
        if (o.given) {
            p.point = nextGiven < givens.size() ? givens[nextGiven] : o.start;
            ++nextGiven;
            p.defined = std::isfinite(p.point.x) && std::isfinite(p.point.y);
        } else if (o.kind == ObjectKind::Point) {
            const auto at = chosen(c, f, o, crossings(c, f, o));
            p.defined = at.has_value();
            if (at)
                p.point = *at;
        } else if (o.kind == ObjectKind::Line) {
            const auto line = lineOf(c, f, o);
            p.defined = line.has_value();
            if (line)
                p.line = *line;
        } else {
            const auto circle = circleOf(c, f, o);
            p.defined = circle.has_value();
            if (circle)
                p.circle = *circle;
        }
        if (!p.defined && f.problem.empty())
            f.problem = whyUndefined(c, o);
    }
    return f;
}

std::vector<Vec2> startingGivens(const Construction& c) {
    std::vector<Vec2> out;
    for (int index : c.givenPoints())
        out.push_back(c.objects[static_cast<std::size_t>(index)].start);
    return out;
}

Figure placeAtStart(const Construction& c) {
    return placeFigure(c, startingGivens(c));
}

std::optional<double> measureOf(const Construction& c, const Figure& f, const std::string& kind,
                                const std::vector<std::string>& points) {
    std::vector<Vec2> at;
    for (const std::string& name : points) {
        const auto p = f.point(c, name);
        if (!p)
            return std::nullopt;
        at.push_back(*p);
    }
    if (kind == "angle" && at.size() == 3)
        return angleDegrees(at[0], at[1], at[2]);
    if (kind == "distance" && at.size() == 2)
        return distance(at[0], at[1]);
    if (kind == "squared-distance" && at.size() == 2)
        return dot(at[0] - at[1], at[0] - at[1]);
    if (kind == "x" && at.size() == 1)
        return at[0].x;
    if (kind == "y" && at.size() == 1)
        return at[0].y;
    if (kind == "perimeter" && at.size() >= 3) {
        double sum = 0.0;
        for (std::size_t i = 0; i < at.size(); ++i)
            sum += distance(at[i], at[(i + 1) % at.size()]);
        return sum;
    }
    return std::nullopt;
}

} // namespace constructions
