// The calculus questions worked out again from the numbers on their Pages: each question's
// function is rebuilt from the numbers it states and its limit, derivative or integral is
// computed numerically (tables of values, difference quotients, many-piece sums), not by the
// rules the lessons teach. The marked choice or the accepted answer must be that value, and
// no other choice may be near it.
#include "engine/core/choice_line.h"
#include "small_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <regex>
#include <utility>

using namespace small_programs;
using engine::PageSource;

namespace {

using Function = std::function<double(double)>;

const SmallProgram& calculus() {
    return smallProgram("fluxions");
}

// All text lines of a Page joined by blanks, with ² and ³ (Windows-1252) written as ^2, ^3.
std::string questionText(const PageSource& page) {
    std::string text;
    for (int i = 1; i <= 17; ++i)
        text += textLine(page, i) + " ";
    std::string out;
    for (char c : text) {
        if (c == '\xB2')
            out += "^2";
        else if (c == '\xB3')
            out += "^3";
        else
            out += c;
    }
    return out;
}

// The two-sided limit at a from a table of values on both sides; nothing when the two sides
// do not settle on one value.
std::optional<double> limitAt(const Function& f, double a) {
    const double left = f(a - 1e-6), right = f(a + 1e-6);
    const double nearerLeft = f(a - 1e-7), nearerRight = f(a + 1e-7);
    if (std::abs(left - right) > 1e-4 || std::abs(nearerLeft - left) > 1e-4 ||
        std::abs(nearerRight - right) > 1e-4)
        return std::nullopt;
    return (nearerLeft + nearerRight) / 2;
}

std::optional<double> limitAtInfinity(const Function& f) {
    const double far = f(1e7), farther = f(1e8);
    if (std::abs(far - farther) > 1e-5)
        return std::nullopt;
    return farther;
}

double slopeAt(const Function& f, double a) {
    const double h = 1e-5;
    return (f(a + h) - f(a - h)) / (2 * h);
}

// The integral of f from a to b by the midpoint sum with a million pieces.
double integral(const Function& f, double a, double b) {
    const int pieces = 1000000;
    const double width = (b - a) / pieces;
    double sum = 0;
    for (int i = 0; i < pieces; ++i)
        sum += f(a + (i + 0.5) * width);
    return sum * width;
}

double number(const std::ssub_match& m) {
    return std::stod(m.str());
}

// The parameter p for which the left piece left(p, x) meets the right piece at a: the
// left-hand limit, read from values just below a, equals the value on the right. Found by
// the secant method, which is exact at once for a piece that is linear in p.
std::optional<double> joiningParameter(const std::function<double(double, double)>& left,
                                       const Function& right, double a) {
    const auto gap = [&](double p) { return left(p, a - 1e-9) - right(a); };
    double p0 = 0, p1 = 1;
    for (int i = 0; i < 50 && std::abs(gap(p1)) > 1e-9; ++i) {
        const double slope = gap(p1) - gap(p0);
        if (slope == 0)
            return std::nullopt;
        p0 = std::exchange(p1, p1 - gap(p1) / slope);
    }
    return std::abs(gap(p1)) < 1e-6 ? std::optional(p1) : std::nullopt;
}

// The midpoint of what is left of [a, b] after `steps` halvings that keep a sign change.
double bisectionMidpoint(const Function& f, double a, double b, int steps) {
    for (int i = 0; i < steps; ++i) {
        const double middle = (a + b) / 2;
        (f(a) * f(middle) <= 0 ? b : a) = middle;
    }
    return (a + b) / 2;
}

// The numbers k/1024 for k from 1024·from to 1024·to: a grid on which whole numbers and
// halves lie exactly.
std::vector<double> grid(double from, double to) {
    std::vector<double> xs;
    for (long k = std::lround(from * 1024); k <= std::lround(to * 1024); ++k)
        xs.push_back(static_cast<double>(k) / 1024);
    return xs;
}

// The one grid point in [from, to] where f is smaller than at both neighbours; nothing when
// there is none or more than one.
std::optional<double> onlyLocalMinimum(const Function& f, double from, double to) {
    const auto xs = grid(from, to);
    std::vector<double> found;
    for (std::size_t i = 1; i + 1 < xs.size(); ++i)
        if (f(xs[i]) < f(xs[i - 1]) && f(xs[i]) < f(xs[i + 1]))
            found.push_back(xs[i]);
    return found.size() == 1 ? std::optional(found[0]) : std::nullopt;
}

double largestValue(const Function& f, double from, double to) {
    double largest = f(from);
    for (double x : grid(from, to))
        largest = std::max(largest, f(x));
    return largest;
}

// The one grid point in [from, to] where the second difference quotient changes its sign.
std::optional<double> onlyBendChange(const Function& f, double from, double to) {
    const double h = 1.0 / 1024;
    const auto bend = [&](double x) { return f(x + h) - 2 * f(x) + f(x - h); };
    std::vector<double> found;
    for (double x : grid(from, to))
        if (std::abs(bend(x)) < 1e-9 && bend(x - h) * bend(x + h) < 0)
            found.push_back(x);
    return found.size() == 1 ? std::optional(found[0]) : std::nullopt;
}

// What a question asks, recognised from its wording; the value it computes from the numbers
// it reads, or nothing when the wording does not match.
struct Reading {
    std::regex wording;
    std::function<std::optional<double>(const std::smatch&)> value;
};

const std::vector<Reading>& readings() {
    static const std::vector<Reading> all = {
        {std::regex(R"(lim \(x\^2 - (\d+)\)/\(x - (\d+)\) as x -> (\d+)\.)"),
         [](const std::smatch& m) {
             const double c = number(m[1]), b = number(m[2]);
             return limitAt([=](double x) { return (x * x - c) / (x - b); }, number(m[3]));
         }},
        {std::regex(R"(lim \(x\^3 - (\d+)\)/\(x - (\d+)\) as x -> (\d+)\.)"),
         [](const std::smatch& m) {
             const double c = number(m[1]), b = number(m[2]);
             return limitAt([=](double x) { return (x * x * x - c) / (x - b); }, number(m[3]));
         }},
        {std::regex(R"(lim \((\d+)x\^2 \+ (\d+)\)/\((\d+)x\^2 \+ (\d+)\) as x -> infinity)"),
         [](const std::smatch& m) {
             const double p = number(m[1]), q = number(m[2]), r = number(m[3]), s = number(m[4]);
             return limitAtInfinity([=](double x) { return (p * x * x + q) / (r * x * x + s); });
         }},
        {std::regex(R"(lim \(sqrt\(x \+ (\d+)\) - (\d+)\)/x as x -> 0)"),
         [](const std::smatch& m) {
             const double c = number(m[1]), r = number(m[2]);
             return limitAt([=](double x) { return (std::sqrt(x + c) - r) / x; }, 0);
         }},
        {std::regex(R"(f\(x\) = kx \+ (\d+) for x < (\d+) and f\(x\) = x\^2 \+ (\d+) for x >= \2)"),
         [](const std::smatch& m) {
             const double b = number(m[1]), c = number(m[3]);
             return joiningParameter([=](double k, double x) { return k * x + b; },
                                     [=](double x) { return x * x + c; }, number(m[2]));
         }},
        {std::regex(R"(f\(x\) = cx\^2 for x < (\d+) and f\(x\) = (\d+)x \+ (\d+) for x >= \1)"),
         [](const std::smatch& m) {
             const double p = number(m[2]), q = number(m[3]);
             return joiningParameter([](double c, double x) { return c * x * x; },
                                     [=](double x) { return p * x + q; }, number(m[1]));
         }},
        {std::regex(
             R"(f\(x\) = \(x\^2 - (\d+)\)/\(x - (\d+)\) has a removable discontinuity at x = (\d+))"),
         [](const std::smatch& m) {
             const double c = number(m[1]), b = number(m[2]);
             return limitAt([=](double x) { return (x * x - c) / (x - b); }, number(m[3]));
         }},
        {std::regex(
             R"(two steps of bisection to x\^3 \+ x - (\d+) = 0, starting from the interval \[(\d+), (\d+)\])"),
         [](const std::smatch& m) -> std::optional<double> {
             const double c = number(m[1]);
             return bisectionMidpoint([=](double x) { return x * x * x + x - c; }, number(m[2]),
                                      number(m[3]), 2);
         }},
        {std::regex(R"(f\(x\) = (\d+)x\^2 - (\d+)x \+ (\d+) at x = (\d+)\.)"),
         [](const std::smatch& m) -> std::optional<double> {
             const double p = number(m[1]), q = number(m[2]), r = number(m[3]);
             return slopeAt([=](double x) { return p * x * x - q * x + r; }, number(m[4]));
         }},
        {std::regex(R"(tangent to f\(x\) = x\^3 - (\d+)x at x = (\d+)\.)"),
         [](const std::smatch& m) -> std::optional<double> {
             const double q = number(m[1]);
             return slopeAt([=](double x) { return x * x * x - q * x; }, number(m[2]));
         }},
        {std::regex(R"(f\(x\) = \((\d+)x \+ (\d+)\)\^3 at x = (\d+)\.)"),
         [](const std::smatch& m) -> std::optional<double> {
             const double p = number(m[1]), q = number(m[2]);
             return slopeAt([=](double x) { return std::pow(p * x + q, 3); }, number(m[3]));
         }},
        {std::regex(R"(f\(x\) = x\^2/\(x \+ (\d+)\) at x = (\d+)\.)"),
         [](const std::smatch& m) -> std::optional<double> {
             const double q = number(m[1]);
             return slopeAt([=](double x) { return x * x / (x + q); }, number(m[2]));
         }},
        {std::regex(R"(f\(x\) = \(x\^2 \+ (\d+)\)\(x - (\d+)\) at x = (\d+)\.)"),
         [](const std::smatch& m) -> std::optional<double> {
             const double p = number(m[1]), q = number(m[2]);
             return slopeAt([=](double x) { return (x * x + p) * (x - q); }, number(m[3]));
         }},
        {std::regex(R"(f\(x\) = x\^3 - (\d+)x \+ (\d+) has a local minimum at which x\?)"),
         [](const std::smatch& m) {
             const double q = number(m[1]), r = number(m[2]);
             return onlyLocalMinimum([=](double x) { return x * x * x - q * x + r; }, -50, 50);
         }},
        {std::regex(
             R"(largest value of f\(x\) = x\^3 - (\d+)x\^2 on the interval \[(-?\d+), (-?\d+)\])"),
         [](const std::smatch& m) -> std::optional<double> {
             const double q = number(m[1]);
             return largestValue([=](double x) { return x * x * x - q * x * x; }, number(m[2]),
                                 number(m[3]));
         }},
        {std::regex(R"(rectangle has the perimeter (\d+) cm\. What is the largest area)"),
         [](const std::smatch& m) -> std::optional<double> {
             const double halfPerimeter = number(m[1]) / 2;
             return largestValue([=](double x) { return x * (halfPerimeter - x); }, 0,
                                 halfPerimeter);
         }},
        {std::regex(
             R"(h\(t\) = (\d+)t - (\d+)t\^2 metres after t seconds\. What is its velocity, in metres per second, at t = (\d+)\?)"),
         [](const std::smatch& m) -> std::optional<double> {
             const double p = number(m[1]), q = number(m[2]);
             return slopeAt([=](double t) { return p * t - q * t * t; }, number(m[3]));
         }},
        {std::regex(R"(f\(x\) = x\^3 - (\d+)x\^2 \+ (\d+) have its point of inflection)"),
         [](const std::smatch& m) {
             const double q = number(m[1]), r = number(m[2]);
             return onlyBendChange([=](double x) { return x * x * x - q * x * x + r; }, -50, 50);
         }},
        {std::regex(R"(integral of (\d+)x\^2 \+ (\d+)x from x = (\d+) to x = (\d+)\.)"),
         [](const std::smatch& m) -> std::optional<double> {
             const double p = number(m[1]), q = number(m[2]);
             return integral([=](double x) { return p * x * x + q * x; }, number(m[3]),
                             number(m[4]));
         }},
        {std::regex(R"(integral of (\d+)x - (\d+) from x = (\d+) to x = (\d+)\.)"),
         [](const std::smatch& m) -> std::optional<double> {
             const double p = number(m[1]), q = number(m[2]);
             return integral([=](double x) { return p * x - q; }, number(m[3]), number(m[4]));
         }},
        {std::regex(
             R"(left sum of f\(x\) = x\^2 on \[(\d+), (\d+)\] with (\d+) rectangles of width (\d+)\.)"),
         [](const std::smatch& m) -> std::optional<double> {
             const double from = number(m[1]), to = number(m[2]), width = number(m[4]);
             const long pieces = std::lround(number(m[3]));
             if (std::abs(static_cast<double>(pieces) * width - (to - from)) > 1e-12)
                 return std::nullopt; // the rectangles do not fill the interval
             double sum = 0;
             for (long i = 0; i < pieces; ++i)
                 sum += std::pow(from + static_cast<double>(i) * width, 2) * width;
             return sum;
         }},
        {std::regex(R"(area between the parabola y = (\d+)x - x\^2 and the x-axis)"),
         [](const std::smatch& m) -> std::optional<double> {
             const double p = number(m[1]);
             const Function f = [=](double x) { return p * x - x * x; };
             // where the parabola is above the axis: between its sign changes on a grid
             std::vector<double> zeros;
             for (double x : grid(-100, 100))
                 if (f(x) == 0 || f(x) * f(x + 1.0 / 1024) < 0)
                     zeros.push_back(x);
             if (zeros.size() != 2)
                 return std::nullopt;
             return integral([&](double x) { return std::abs(f(x)); }, zeros[0], zeros[1]);
         }},
        {std::regex(
             R"(A\(x\) is the integral of t\^3 \+ (\d+) from t = (\d+) to t = x\. What is A'\((\d+)\)\?)"),
         [](const std::smatch& m) -> std::optional<double> {
             const double c = number(m[1]), from = number(m[2]);
             const Function area = [=](double x) {
                 return integral([=](double t) { return t * t * t + c; }, from, x);
             };
             const double x = number(m[3]), h = 1e-3;
             return (area(x + h) - area(x - h)) / (2 * h);
         }},
    };
    return all;
}

std::optional<double> computedAnswer(const PageSource& page) {
    const std::string text = questionText(page);
    for (const auto& reading : readings()) {
        std::smatch m;
        if (std::regex_search(text, m, reading.wording))
            return reading.value(m);
    }
    return std::nullopt;
}

// "6", "-2.5", ".75", "1/6" or "100 cm²" as a number; nothing for words.
std::optional<double> numberIn(const std::string& text) {
    static const std::regex plain(
        R"(^(-?(?:\d+(?:\.\d+)?|\.\d+))(?:/(\d+))?(?: [a-z]+[\xB2\xB3]?)?$)");
    std::smatch m;
    if (!std::regex_match(text, m, plain))
        return std::nullopt;
    return m[2].matched ? std::stod(m[1]) / std::stod(m[2]) : std::stod(m[1]);
}

std::vector<std::pair<char, std::string>> choices(const PageSource& page) {
    std::vector<std::pair<char, std::string>> out;
    for (int i = 1; i <= 17; ++i) {
        const std::string& line = textLine(page, i);
        if (engine::hasAnswerButton(line))
            out.emplace_back(line[0], line.substr(line.find_first_not_of(' ', 2)));
    }
    return out;
}

bool isQuestion(const PageSource& page) {
    return !page.entry.fields.empty() || !page.answer.empty();
}

} // namespace

TEST(CalculusQuestions, EveryQuestionIsReadAndItsAnswerIsTheComputedValue) {
    Faults faults("fluxions");
    int questions = 0;
    for (const auto& page : calculus().source.pages) {
        if (!isQuestion(page))
            continue;
        ++questions;
        const auto value = computedAnswer(page);
        if (!value) {
            faults.add(page.number, "no computation for this question's wording or no value");
            continue;
        }
        if (!page.entry.fields.empty()) {
            for (const auto& field : page.entry.fields)
                for (const auto& accepted : field.accepted)
                    if (const auto typed = numberIn(accepted);
                        !typed || std::abs(*typed - *value) > 1e-4)
                        faults.add(page.number, "accepts " + shown(accepted) + ", computed " +
                                                    std::to_string(*value));
            continue;
        }
        for (const auto& [letter, text] : choices(page)) {
            const auto n = numberIn(text);
            const bool marked = letter - 'A' + 'a' == page.answer[0];
            const bool right = n && std::abs(*n - *value) < 1e-4;
            if (marked != right)
                faults.add(page.number, std::string(marked ? "marks " : "does not mark ") + letter +
                                            ". " + text + ", computed " + std::to_string(*value));
        }
    }
    EXPECT_GE(questions, 23);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(CalculusQuestions, TheNumericMethodsThemselves) {
    EXPECT_NEAR(*limitAt([](double x) { return std::sin(x) / x; }, 0), 1.0, 1e-6);
    EXPECT_FALSE(limitAt([](double x) { return x < 0 ? -1.0 : 1.0; }, 0)); // a jump
    EXPECT_FALSE(limitAtInfinity([](double x) { return x; }));
    EXPECT_NEAR(slopeAt([](double x) { return x * x * x; }, 2), 12.0, 1e-4);
    EXPECT_NEAR(integral([](double x) { return x * x; }, 0, 3), 9.0, 1e-6);
    EXPECT_NEAR(bisectionMidpoint([](double x) { return x * x - 2; }, 1, 2, 30), std::sqrt(2.0),
                1e-8);
    EXPECT_NEAR(*joiningParameter([](double p, double x) { return p * x * x * x; },
                                  [](double x) { return x + 6; }, 2),
                1.0, 1e-6);
    EXPECT_EQ(onlyLocalMinimum([](double x) { return (x - 3) * (x - 3); }, -10, 10), 3.0);
    EXPECT_FALSE(onlyLocalMinimum([](double x) { return std::cos(x); }, -10, 10)); // several
    EXPECT_EQ(onlyBendChange([](double x) { return x * x * x; }, -5, 5), 0.0);
    EXPECT_FALSE(onlyBendChange([](double x) { return x * x * x * x; }, -5, 5)); // no change
    EXPECT_EQ(numberIn("1/6"), 1.0 / 6);
    EXPECT_EQ(numberIn("100 cm\xB2"), 100.0);
    EXPECT_FALSE(numberIn("The limit does not exist."));
}

TEST(CalculusLessons, EachLessonsLastPageStartsItsCompanion) {
    const auto& source = calculus().source;
    const std::vector<std::string> companions = {"continuity.exe", "continuity.exe", "slopes.exe",
                                                 "slopes.exe", "areas.exe"};
    for (std::size_t i = 0; i < source.lessons.size(); ++i) {
        const int last = i + 1 < source.lessons.size() ? source.lessons[i + 1].firstPage - 1
                                                       : source.declaredPageCount;
        const PageSource* page = calculus().sourcePage(last);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->entry.program, companions[i]) << "lesson " << i + 1;
    }
}
