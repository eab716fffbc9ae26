#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace lesson_tests {

// The parts of a picture's SVG source that carry a question's numbers: its polygons and its
// text labels, in the picture's own coordinates.
struct SvgPoint {
    double x = 0;
    double y = 0;
};

struct SvgLabel {
    SvgPoint at;
    std::string text;
};

struct SvgFigure {
    std::vector<std::vector<SvgPoint>> polygons;
    std::vector<SvgLabel> labels;
};

// Nothing when the file is missing or unreadable.
std::optional<SvgFigure> readSvgFigure(const std::filesystem::path& file);

// A right triangle drawn as a polygon, with its side lengths read from the labels that stand
// nearest to each side: the hypotenuse's and the two legs' labels, empty where unlabelled.
struct LabelledRightTriangle {
    std::string hypotenuse;
    std::string firstLeg;
    std::string secondLeg;
};

// Nothing when the figure has no three-cornered polygon with a right angle.
std::optional<LabelledRightTriangle> labelledRightTriangle(const SvgFigure& figure);

} // namespace lesson_tests
