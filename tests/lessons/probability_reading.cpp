#include "probability_reading.h"

#include "number_reading.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <regex>

namespace lesson_tests {
namespace {

using Match = std::match_results<std::string_view::const_iterator>;

// A whole number, with thousands commas only in groups of three: "76,904,685", "12".
const std::string wholeNumber = R"((?:\d{1,3}(?:,\d{3})+(?!\d)|\d+))";
const std::string countWords =
    "zero|one|two|three|four|five|six|seven|eight|nine|ten|eleven|twelve";

double withoutCommas(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), ','), text.end());
    return std::stod(text);
}

int decimalsOf(const std::string& number) {
    const auto point = number.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(number.size() - point - 1);
}

std::optional<int> countOf(std::string word) {
    static const std::map<std::string, int> counts{
        {"zero", 0}, {"one", 1},     {"two", 2},    {"three", 3}, {"four", 4},
        {"five", 5}, {"six", 6},     {"seven", 7},  {"eight", 8}, {"nine", 9},
        {"ten", 10}, {"eleven", 11}, {"twelve", 12}};
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (const auto it = counts.find(word); it != counts.end())
        return it->second;
    if (!word.empty() &&
        std::all_of(word.begin(), word.end(), [](unsigned char c) { return std::isdigit(c) != 0; }))
        return std::stoi(word);
    return std::nullopt;
}

std::optional<int> firstCount(std::string_view text, const std::string& pattern) {
    Match m;
    if (!std::regex_search(text.begin(), text.end(), m, std::regex(pattern, std::regex::icase)))
        return std::nullopt;
    return countOf(m[1].str());
}

PrintedNumber printedNumber(const Match& m) {
    const std::string sign = m[2].str();
    const std::string number = m[3].str();
    const double value = withoutCommas(number) * (sign.empty() ? 1 : -1);
    if (m[5].matched) // a fraction
        return {value / withoutCommas(m[5].str()), 0, m[0].str().substr(m[1].length())};
    if (m[6].matched) // "1 in 8"
        return {value / withoutCommas(m[6].str()), 0, m[0].str().substr(m[1].length())};
    const int decimals = decimalsOf(number);
    const double halfUnit = decimals > 0 ? 0.5 * std::pow(10.0, -decimals) : 0;
    const std::string text = m[0].str().substr(m[1].length());
    if (m[4].matched) // a percentage, rounded even when whole
        return {value / 100, 0.5 * std::pow(10.0, -decimals) / 100, text};
    return {value, halfUnit, text};
}

bool isWhole(const std::string& text) {
    return std::regex_match(text, std::regex(R"(\d+)"));
}

std::optional<PrintedNumber> decimalLabel(const std::string& text) {
    if (!std::regex_match(text, std::regex(R"(\d*\.\d+)")))
        return std::nullopt;
    const int decimals = decimalsOf(text);
    return PrintedNumber{std::stod(text), 0.5 * std::pow(10.0, -decimals), text};
}

// The labels of a picture row by row, each row from left to right.
std::vector<std::vector<SvgLabel>> rowsOf(const SvgFigure& figure) {
    std::map<long, std::vector<SvgLabel>> rows;
    for (const auto& label : figure.labels)
        rows[std::lround(label.at.y * 2)].push_back(label);
    std::vector<std::vector<SvgLabel>> out;
    for (auto& [y, row] : rows) {
        std::sort(row.begin(), row.end(),
                  [](const SvgLabel& a, const SvgLabel& b) { return a.at.x < b.at.x; });
        out.push_back(row);
    }
    return out;
}

// x, counts, P(x) runs of one row.
void readRow(const std::vector<SvgLabel>& row, std::vector<PictureRow>& out) {
    std::optional<PictureRow> pending;
    for (const auto& label : row) {
        const auto probability = decimalLabel(label.text);
        if (probability && pending) {
            pending->probability = *probability;
            out.push_back(*pending);
            pending.reset();
        } else if (isWhole(label.text) && pending) {
            pending->counts.push_back(std::stod(label.text));
        } else if (isWhole(label.text)) {
            pending = PictureRow{std::stoi(label.text), {}, {}};
        } else {
            pending.reset();
        }
    }
}

} // namespace

bool PrintedNumber::isRoundingOf(double exact) const {
    return std::abs(value - exact) <= halfUnit + 1e-9 * std::max(1.0, std::abs(exact));
}

std::vector<PrintedNumber> statedNumbers(std::string_view text) {
    static const std::regex pattern("(^|[^\\w.^/,-])(-?)(" + wholeNumber + R"((?:\.\d+)?))" +
                                    R"((?:(%)|\s*/\s*()" + wholeNumber + R"()|\s+in\s+()" +
                                    wholeNumber + R"()(?!\d))?(?![\w^]|[.,]\d))");
    std::vector<PrintedNumber> out;
    if (text.find("No chance") != std::string_view::npos)
        out.push_back({0, 0, "No chance"});
    for (std::regex_iterator<std::string_view::const_iterator>
             it(text.begin(), text.end(), pattern),
         end;
         it != end; ++it)
        out.push_back(printedNumber(*it));
    return out;
}

std::optional<int> countAfter(std::string_view text, std::string_view words) {
    return firstCount(text, regexEscaped(words) + R"(\s+(\d+|)" + countWords + R"()\b)");
}

std::optional<int> countBefore(std::string_view text, std::string_view words) {
    return firstCount(text, R"(\b(\d+|)" + countWords + ")" + regexEscaped(words));
}

std::optional<PartOfWhole> partOfWhole(std::string_view text, std::string_view words) {
    const std::regex pattern(regexEscaped(words) +
                             R"(\s*(\d+)\s+(?:out\s+)?of\s+(?:the\s+|every\s+)?(\d+))");
    Match m;
    if (!std::regex_search(text.begin(), text.end(), m, pattern))
        return std::nullopt;
    return PartOfWhole{std::stoi(m[1].str()), std::stoi(m[2].str())};
}

Distribution distributionOnLines(const std::vector<std::string>& lines) {
    static const std::regex row(R"(\s*(\d+)\s+(\d*\.\d+)\s*)");
    Distribution out;
    for (const auto& line : lines) {
        std::smatch m;
        if (!std::regex_match(line, m, row))
            continue;
        out.values.push_back(std::stod(m[1].str()));
        out.probabilities.push_back(std::stod(m[2].str()));
    }
    return out;
}

std::vector<PictureRow> distributionRows(const SvgFigure& figure) {
    std::vector<PictureRow> out;
    for (const auto& row : rowsOf(figure))
        readRow(row, out);
    std::sort(out.begin(), out.end(),
              [](const PictureRow& a, const PictureRow& b) { return a.x < b.x; });
    return out;
}

std::vector<PictureRow> histogramBars(const SvgFigure& figure) {
    std::vector<PictureRow> out;
    for (const auto& category : figure.labels) {
        if (!isWhole(category.text))
            continue;
        for (const auto& top : figure.labels) {
            const auto probability = decimalLabel(top.text);
            if (probability && std::abs(top.at.x - category.at.x) < 1 && top.at.y < category.at.y)
                out.push_back({std::stoi(category.text), {}, *probability});
        }
    }
    std::sort(out.begin(), out.end(),
              [](const PictureRow& a, const PictureRow& b) { return a.x < b.x; });
    return out;
}

} // namespace lesson_tests
