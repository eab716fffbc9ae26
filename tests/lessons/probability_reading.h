#pragma once

#include "counting_rules.h"
#include "svg_figure.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lesson_tests {

// The numbers of the probability lessons as a learner reads them.

// A number as printed, with half a unit of its last place: "56%" is 0.56 give or take
// 0.005, "0.0033" is 0.0033 give or take 0.00005; whole numbers and fractions are exact.
struct PrintedNumber {
    double value = 0;
    double halfUnit = 0;
    std::string text;

    // The exact `value` rounds to this number.
    bool isRoundingOf(double exact) const;
};

// Every number a text states, in order: "3,838,380", "0.595", "60%", "1/12",
// "1/76,904,685", "1 in 8". "No chance" is 0. Numbers glued to a word ("n1", "2nd") and
// exponents ("0.5^14") are no stated numbers.
std::vector<PrintedNumber> statedNumbers(std::string_view text);

// A count written in digits or as a word ("three", "Two") right after `words`, or right
// before them ("two pens", with words " pens").
std::optional<int> countAfter(std::string_view text, std::string_view words);
std::optional<int> countBefore(std::string_view text, std::string_view words);

// "exactly 13 of the 15", "13 of 15", "2 out of every 100" after `words`: the part and the
// whole.
struct PartOfWhole {
    int part = 0;
    int whole = 0;
};
std::optional<PartOfWhole> partOfWhole(std::string_view text, std::string_view words);

// A table of a distribution on a Page: the lines that hold just a whole number x and a
// decimal P(x).
Distribution distributionOnLines(const std::vector<std::string>& lines);

// A table of a distribution in a picture: the labels of one row, left to right, read as
// x, then any counts such as nCx, then P(x). Two tables side by side are read as one.
struct PictureRow {
    int x = 0;
    std::vector<double> counts; // the whole numbers between x and P(x)
    PrintedNumber probability;
};
std::vector<PictureRow> distributionRows(const SvgFigure& figure);

// A histogram: every whole-number label under a bar with the decimal label standing above
// it, at the same x.
std::vector<PictureRow> histogramBars(const SvgFigure& figure);

} // namespace lesson_tests
