#include "svg_figure.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <fstream>
#include <limits>
#include <regex>
#include <sstream>

namespace lesson_tests {
namespace {

std::vector<SvgPoint> pointsOf(std::string text) {
    for (char& c : text)
        if (c == ',')
            c = ' ';
    std::istringstream in(text);
    std::vector<SvgPoint> out;
    for (SvgPoint p; in >> p.x >> p.y;)
        out.push_back(p);
    return out;
}

double attribute(const std::string& attributes, const std::string& name) {
    const std::regex pattern("\\s" + name + R"(="([-\d.]+)\")");
    std::smatch m;
    return std::regex_search(attributes, m, pattern) ? std::stod(m[1].str()) : 0.0;
}

double distance(SvgPoint a, SvgPoint b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

SvgPoint midpoint(SvgPoint a, SvgPoint b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

double cosineAt(SvgPoint corner, SvgPoint a, SvgPoint b) {
    const double ux = a.x - corner.x, uy = a.y - corner.y;
    const double vx = b.x - corner.x, vy = b.y - corner.y;
    return (ux * vx + uy * vy) / (std::hypot(ux, uy) * std::hypot(vx, vy));
}

// A side's label is a length or the unknown: "15", "9.5", "x", "?" (corners are capitals).
bool namesALength(const std::string& text) {
    if (text == "?" || (text.size() == 1 && std::islower(static_cast<unsigned char>(text[0]))))
        return true;
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) || c == '.';
    });
}

std::optional<std::size_t> rightCorner(const std::vector<SvgPoint>& p) {
    for (std::size_t i = 0; i < 3; ++i)
        if (std::abs(cosineAt(p[i], p[(i + 1) % 3], p[(i + 2) % 3])) < 0.02)
            return i;
    return std::nullopt;
}

// The labels that stand nearest to the sides opposite corners 0, 1 and 2.
std::array<std::string, 3> sideLabels(const std::vector<SvgPoint>& p,
                                      const std::vector<SvgLabel>& labels) {
    std::array<std::string, 3> text;
    std::array<double, 3> nearest;
    nearest.fill(std::numeric_limits<double>::max());
    for (const auto& label : labels) {
        if (!namesALength(label.text))
            continue;
        std::size_t side = 0;
        for (std::size_t i = 1; i < 3; ++i)
            if (distance(label.at, midpoint(p[(i + 1) % 3], p[(i + 2) % 3])) <
                distance(label.at, midpoint(p[(side + 1) % 3], p[(side + 2) % 3])))
                side = i;
        const double d = distance(label.at, midpoint(p[(side + 1) % 3], p[(side + 2) % 3]));
        if (d < nearest[side]) {
            nearest[side] = d;
            text[side] = label.text;
        }
    }
    return text;
}

} // namespace

std::optional<SvgFigure> readSvgFigure(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::string svg((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SvgFigure figure;
    static const std::regex polygon(R"(<polygon\b[^>]*\spoints="([^"]*)\")");
    for (std::sregex_iterator it(svg.begin(), svg.end(), polygon), end; it != end; ++it)
        figure.polygons.push_back(pointsOf((*it)[1].str()));
    static const std::regex text(R"(<text\b([^>]*)>([^<]*)</text>)");
    for (std::sregex_iterator it(svg.begin(), svg.end(), text), end; it != end; ++it)
        figure.labels.push_back(
            {{attribute((*it)[1].str(), "x"), attribute((*it)[1].str(), "y")}, (*it)[2].str()});
    return figure;
}

std::optional<LabelledRightTriangle> labelledRightTriangle(const SvgFigure& figure) {
    for (const auto& p : figure.polygons) {
        if (p.size() != 3)
            continue;
        const auto corner = rightCorner(p);
        if (!corner)
            continue;
        const auto labels = sideLabels(p, figure.labels);
        return LabelledRightTriangle{labels[*corner], labels[(*corner + 1) % 3],
                                     labels[(*corner + 2) % 3]};
    }
    return std::nullopt;
}

} // namespace lesson_tests
