#include "grids2/core/plane_map.h"

#include "matrixkit/core/determinant.h"

#include <stdexcept>

namespace grids2 {

using matrixkit::Matrix;
using matrixkit::rationalHtml;

namespace {

bool is(const Matrix& a, long p, long q, long r, long s) {
    return a == Matrix::of({{p, q}, {r, s}});
}

std::string pointHtml(const mpq_class& x, const mpq_class& y) {
    return "(" + rationalHtml(x) + ", " + rationalHtml(y) + ")";
}

// "(&minus;1)" for a negative factor inside a product.
std::string factorHtml(const mpq_class& q) {
    return q < 0 ? "(" + rationalHtml(q) + ")" : rationalHtml(q);
}

} // namespace

std::string familiarMapName(const Matrix& a) {
    if (is(a, 1, 0, 0, 1))
        return "the identity: every point stays where it is";
    if (is(a, 0, -1, 1, 0))
        return "the rotation by 90&deg; anticlockwise about the origin";
    if (is(a, 0, 1, -1, 0))
        return "the rotation by 90&deg; clockwise about the origin";
    if (is(a, -1, 0, 0, -1))
        return "the rotation by 180&deg; (the reflection in the origin)";
    if (is(a, 1, 0, 0, -1))
        return "the reflection in the x axis";
    if (is(a, -1, 0, 0, 1))
        return "the reflection in the y axis";
    if (is(a, 0, 1, 1, 0))
        return "the reflection in the line y = x";
    if (a.at(0, 1) == 0 && a.at(1, 0) == 0)
        return a.at(0, 0) == a.at(1, 1)
                   ? "an enlargement by the factor " + rationalHtml(a.at(0, 0))
                   : "a stretch by " + rationalHtml(a.at(0, 0)) + " along the x axis and by " +
                         rationalHtml(a.at(1, 1)) + " along the y axis";
    if (a.at(0, 0) == 1 && a.at(1, 1) == 1 && a.at(1, 0) == 0)
        return "a shear along the x axis: each point moves sideways by " +
               rationalHtml(a.at(0, 1)) + " times its height";
    if (a.at(0, 0) == 1 && a.at(1, 1) == 1 && a.at(0, 1) == 0)
        return "a shear along the y axis: each point moves up by " + rationalHtml(a.at(1, 0)) +
               " times its x";
    return "";
}

std::string planeMapHtml(const Matrix& a) {
    if (a.rows() != 2 || a.cols() != 2)
        throw std::invalid_argument("a map of the plane needs a 2 \u00d7 2 matrix");
    const mpq_class det = matrixkit::determinantByCofactors(a);
    std::string html = "<p>A(1, 0) = " + pointHtml(a.at(0, 0), a.at(1, 0)) +
                       " (column 1) and A(0, 1) = " + pointHtml(a.at(0, 1), a.at(1, 1)) +
                       " (column 2). Every point follows: A(x, y) = x&middot;(column 1) + "
                       "y&middot;(column 2), so grid lines go to evenly spaced parallel lines.</p>";
    html += "<p>det A = " + factorHtml(a.at(0, 0)) + "&middot;" + factorHtml(a.at(1, 1)) +
            " &minus; " + factorHtml(a.at(0, 1)) + "&middot;" + factorHtml(a.at(1, 0)) + " = <b>" +
            rationalHtml(det) +
            "</b>: the unit square (area 1) goes to a "
            "parallelogram of area " +
            rationalHtml(abs(det)) +
            ", and every area is multiplied "
            "by " +
            rationalHtml(abs(det)) + ". ";
    if (det > 0)
        html += "The sign is positive: the order of the corners is kept (orientation "
                "preserved).</p>";
    else if (det < 0)
        html += "The sign is negative: the square is turned over, like a reflection "
                "(orientation reversed).</p>";
    else
        html += "The map flattens the plane onto " +
                std::string(a == Matrix(2, 2) ? "the origin" : "a line through the origin") +
                ": it cannot be undone, so A has no inverse.</p>";
    const std::string name = familiarMapName(a);
    if (!name.empty())
        html += "<p>This is " + name + ".</p>";
    return html;
}

} // namespace grids2
