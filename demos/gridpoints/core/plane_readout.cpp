#include "gridpoints/core/plane_readout.h"

#include <algorithm>
#include <cstdio>

namespace gridpoints {

namespace {

const std::string sq = "\u00b2";

std::string approximately(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4f", value);
    return buffer;
}

std::string minus(const mpq_class& a, const mpq_class& b) {
    return bracketed(a) + " \u2212 " + bracketed(b);
}

std::string slopeLine(const ExactPoint& a, const ExactPoint& b) {
    const auto m = slope(a, b);
    std::string text = "slope m = (y\u2082 \u2212 y\u2081)/(x\u2082 \u2212 x\u2081) = (" +
                       minus(b.y, a.y) + ")/(" + minus(b.x, a.x) + ")";
    if (!m)
        return text + ": division by 0, the line is vertical and has no slope";
    return text + " = " + m->get_str();
}

std::vector<std::string> distanceReadout(const ExactPoint& a, const ExactPoint& b) {
    const mpq_class dx = b.x - a.x, dy = b.y - a.y;
    return {
        "\u0394x = " + minus(b.x, a.x) + " = " + dx.get_str() + ",  \u0394y = " + minus(b.y, a.y) +
            " = " + dy.get_str() + " (the legs of the right triangle)",
        "AB = \u221a(\u0394x" + sq + " + \u0394y" + sq + ") = \u221a(" + bracketed(dx) + sq +
            " + " + bracketed(dy) + sq + ") = \u221a" + distanceSquared(a, b).get_str() + " = " +
            distanceText(a, b) + " \u2248 " + approximately(distance(a, b).approximate())};
}

std::vector<std::string> lineReadout(const ExactPoint& a, const ExactPoint& b) {
    if (a == b)
        return {"A and B are the same point: a line needs two different points."};
    const Line line = lineThrough(a, b);
    std::vector<std::string> lines{slopeLine(a, b)};
    lines.push_back("slope-intercept form: " + slopeInterceptText(line));
    lines.push_back("point-slope form (through A): " + pointSlopeText(line, a));
    lines.push_back("general form: " + generalText(line));
    if (!line.vertical())
        lines.push_back("it meets the y axis at (0, " + line.intercept()->get_str() + ")");
    if (line.a != 0)
        lines.push_back("it meets the x axis at (" +
                        mpq_class(mpq_class(line.c) / mpq_class(line.a)).get_str() + ", 0)");
    return lines;
}

std::vector<std::string> parallelReadout(const ExactPoint& a, const ExactPoint& b,
                                         const ExactPoint& c) {
    if (a == b)
        return {"A and B are the same point: move one of them to make the line AB."};
    const Line line = lineThrough(a, b);
    const Line parallel = parallelThrough(line, c), perpendicular = perpendicularThrough(line, c);
    std::vector<std::string> lines{"line AB: " + slopeInterceptText(line) + " (" +
                                   generalText(line) + ")"};
    const auto m = line.slope();
    lines.push_back("parallel through C: the same slope" +
                    (m ? " " + m->get_str() : std::string(" (vertical)")) + ": " +
                    slopeInterceptText(parallel));
    std::string why;
    if (!m)
        why = "AB is vertical, so the perpendicular is horizontal";
    else if (*m == 0)
        why = "AB is horizontal, so the perpendicular is vertical";
    else
        why = "slope \u22121/(" + m->get_str() + ") = " + mpq_class(-1 / *m).get_str() +
              ", since perpendicular slopes multiply to \u22121";
    lines.push_back("perpendicular through C: " + why + ": " + slopeInterceptText(perpendicular));
    if (contains(line, c))
        lines.push_back("C lies on AB: the parallel through C is AB itself");
    else if (const auto foot = intersection(line, perpendicular))
        lines.push_back("foot of the perpendicular F = " + pointText(*foot) +
                        "; the distance from C to AB is CF = " + distanceText(c, *foot));
    return lines;
}

std::vector<std::string> areaReadout(const std::vector<ExactPoint>& polygon) {
    std::vector<std::string> lines{"shoelace: add x\u1d62y\u1d62\u208a\u2081 \u2212 "
                                   "x\u1d62\u208a\u2081y\u1d62 for each side, going round"};
    const char* names = "ABCDE";
    const auto terms = shoelaceTerms(polygon);
    for (std::size_t i = 0; i < terms.size(); ++i)
        lines.push_back(std::string(1, names[i]) + std::string(1, names[(i + 1) % terms.size()]) +
                        ": " + terms[i]);
    const mpq_class sum = shoelaceSum(polygon);
    lines.push_back("sum = " + sum.get_str() +
                    (sum > 0   ? " (anticlockwise)"
                     : sum < 0 ? " (clockwise)"
                               : "") +
                    ", area = |sum|/2 = " + polygonArea(polygon).get_str());
    if (sidesCross(polygon))
        lines.push_back("two sides cross: the corners are not taken in order round the polygon, "
                        "so this number is not its area; drag a corner to untangle it");
    return lines;
}

std::vector<std::string> sectionReadout(const ExactPoint& a, const ExactPoint& b,
                                        const mpq_class& m, const mpq_class& n) {
    const ExactPoint p = sectionPoint(a, b, m, n);
    return {
        "P divides AB so that AP : PB = " + m.get_str() + " : " + n.get_str(),
        "P = ((n\u00b7x\u2081 + m\u00b7x\u2082)/(m + n), (n\u00b7y\u2081 + m\u00b7y\u2082)/(m + "
        "n))",
        "x = (" + n.get_str() + "\u00b7" + bracketed(a.x) + " + " + m.get_str() + "\u00b7" +
            bracketed(b.x) + ")/" + mpq_class(m + n).get_str() + " = " + p.x.get_str() +
            ",  y = (" + n.get_str() + "\u00b7" + bracketed(a.y) + " + " + m.get_str() + "\u00b7" +
            bracketed(b.y) + ")/" + mpq_class(m + n).get_str() + " = " + p.y.get_str(),
        "P = " + pointText(p) + "; AP = " + distanceText(a, p) + ", PB = " + distanceText(p, b)};
}

std::vector<std::string> centroidReadout(const ExactPoint& a, const ExactPoint& b,
                                         const ExactPoint& c) {
    const ExactPoint g = centroid(a, b, c);
    const ExactPoint mbc = midpoint(b, c);
    std::vector<std::string> lines{
        "G = ((x\u2081 + x\u2082 + x\u2083)/3, (y\u2081 + y\u2082 + y\u2083)/3) = (" +
            bracketed(a.x) + " + " + bracketed(b.x) + " + " + bracketed(c.x) + ")/3, (" +
            bracketed(a.y) + " + " + bracketed(b.y) + " + " + bracketed(c.y) +
            ")/3) = " + pointText(g),
        "the median from A goes to the midpoint of BC, " + pointText(mbc) +
            "; G divides it in the ratio 2 : 1: " + pointText(sectionPoint(a, mbc, 2, 1))};
    if (shoelaceSum({a, b, c}) == 0)
        lines.push_back("A, B and C lie on one line: the triangle is flat");
    return lines;
}

std::vector<std::string> circleReadout(const ExactPoint& centre, const ExactPoint& on) {
    if (centre == on)
        return {"B is the centre itself: move B to give the circle a radius."};
    const mpq_class r2 = distanceSquared(centre, on);
    return {"r" + sq + " = (" + minus(on.x, centre.x) + ")" + sq + " + (" + minus(on.y, centre.y) +
                ")" + sq + " = " + r2.get_str() + ", so r = " + distanceText(centre, on),
            "centre-radius form: " + circleText(centre, r2),
            "expanded: " + expandedCircleText(centre, r2),
            "every point (x, y) of the circle is at distance r from the centre: that is the "
            "distance formula squared"};
}

} // namespace

std::string modeTitle(PlaneMode mode) {
    switch (mode) {
    case PlaneMode::Distance:
        return "Distance AB";
    case PlaneMode::Line:
        return "Slope and equation of the line AB";
    case PlaneMode::ParallelPerpendicular:
        return "Parallel and perpendicular through C";
    case PlaneMode::PolygonArea:
        return "Area of a polygon (shoelace)";
    case PlaneMode::Midpoint:
        return "Midpoint of AB";
    case PlaneMode::Section:
        return "Point dividing AB in the ratio m : n";
    case PlaneMode::Centroid:
        return "Centroid of the triangle ABC";
    case PlaneMode::Circle:
        return "Circle with centre A through B";
    }
    return "";
}

std::size_t pointsUsed(PlaneMode mode, std::size_t corners) {
    switch (mode) {
    case PlaneMode::ParallelPerpendicular:
    case PlaneMode::Centroid:
        return 3;
    case PlaneMode::PolygonArea:
        return std::clamp<std::size_t>(corners, 3, 5);
    default:
        return 2;
    }
}

std::vector<std::string> readout(PlaneMode mode, const std::vector<ExactPoint>& p,
                                 const mpq_class& m, const mpq_class& n) {
    switch (mode) {
    case PlaneMode::Distance:
        return distanceReadout(p.at(0), p.at(1));
    case PlaneMode::Line:
        return lineReadout(p.at(0), p.at(1));
    case PlaneMode::ParallelPerpendicular:
        return parallelReadout(p.at(0), p.at(1), p.at(2));
    case PlaneMode::PolygonArea:
        return areaReadout(p);
    case PlaneMode::Midpoint: {
        const ExactPoint mid = midpoint(p.at(0), p.at(1));
        return {"M = ((x\u2081 + x\u2082)/2, (y\u2081 + y\u2082)/2) = ((" + bracketed(p[0].x) +
                    " + " + bracketed(p[1].x) + ")/2, (" + bracketed(p[0].y) + " + " +
                    bracketed(p[1].y) + ")/2) = " + pointText(mid),
                "AM = MB = " + distanceText(p[0], mid) +
                    ", half of AB = " + distanceText(p[0], p[1])};
    }
    case PlaneMode::Section:
        return sectionReadout(p.at(0), p.at(1), m, n);
    case PlaneMode::Centroid:
        return centroidReadout(p.at(0), p.at(1), p.at(2));
    case PlaneMode::Circle:
        return circleReadout(p.at(0), p.at(1));
    }
    return {};
}

} // namespace gridpoints
