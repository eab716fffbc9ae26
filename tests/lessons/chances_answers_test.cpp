// The questions of the probability lessons, worked out again from the numbers their Pages
// state: the marked choice must be the computed answer, to the places the choices print,
// no other choice may lie nearer to it, and the solution Page must show it. A content
// writer who changes a question's numbers without its choices or its answer letter is
// caught here, and so is a tutor whose arithmetic does not add up.
#include "chances_catalogue.h"
#include "counting_rules.h"
#include "engine/core/choice_line.h"
#include "number_reading.h"
#include "printed_equalities.h"
#include "probability_reading.h"
#include "svg_figure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <regex>
#include <set>
#include <sstream>

using namespace chances;
using engine::PageSource;

namespace {

std::string pageName(int page) {
    return "chances, Page " + std::to_string(page) + ": ";
}

const PageSource& pageOrBlank(int number) {
    static const PageSource blank;
    const PageSource* page = sourcePage(number);
    if (!page)
        ADD_FAILURE() << pageName(number) << "missing from lessons/chances";
    return page ? *page : blank;
}

// All text lines of a Page joined by blanks, as the learner reads them.
std::string pageText(int number) {
    const PageSource& page = pageOrBlank(number);
    std::string text;
    for (int i = 1; i <= 17; ++i)
        if (!textLine(page, i).empty())
            text += textLine(page, i) + " ";
    return text;
}

std::string speechText(const PageSource& page) {
    std::string text;
    for (int i = 1; i <= 10; ++i)
        if (!speechLine(page, i).empty())
            text += speechLine(page, i) + " ";
    return text;
}

// How a solution Page works its answer out: the tutor's speech and every text line but the
// repeated choice.
std::string explanation(int solution) {
    const PageSource& page = pageOrBlank(solution);
    std::string text = speechText(page);
    for (int i = 1; i <= 17; ++i)
        if (!engine::isChoiceLine(textLine(page, i)))
            text += textLine(page, i) + " ";
    return text;
}

// A number the Page must state after `words`; fails the test with the Page's name if not.
double stated(int page, const std::string& words) {
    const auto value = numberAfter(pageText(page), words);
    EXPECT_TRUE(value) << pageName(page) << "states no number after " << shown(words);
    return value.value_or(std::nan(""));
}

// The number the Page states right before `words`, such as a percentage before "% of".
double statedBefore(int page, const std::string& words) {
    const auto values = numbersBefore(pageText(page), words);
    EXPECT_FALSE(values.empty()) << pageName(page) << "states no number before " << shown(words);
    return values.empty() ? std::nan("") : values.front();
}

// A whole number the Page states after or before `words`; -1 when it states none.
int wholeAfter(int page, const std::string& words) {
    const double value = stated(page, words);
    return std::isfinite(value) ? static_cast<int>(std::lround(value)) : -1;
}

int wholeBefore(int page, const std::string& words) {
    const double value = statedBefore(page, words);
    return std::isfinite(value) ? static_cast<int>(std::lround(value)) : -1;
}

int countAfter(int page, const std::string& words) {
    const auto count = lesson_tests::countAfter(pageText(page), words);
    EXPECT_TRUE(count) << pageName(page) << "states no count after " << shown(words);
    return count.value_or(-1);
}

int countBefore(int page, const std::string& words) {
    const auto count = lesson_tests::countBefore(pageText(page), words);
    EXPECT_TRUE(count) << pageName(page) << "states no count before " << shown(words);
    return count.value_or(-1);
}

PartOfWhole partOfWhole(int page, const std::string& words) {
    const auto part = lesson_tests::partOfWhole(pageText(page), words);
    EXPECT_TRUE(part) << pageName(page) << "states no \"N of M\" after " << shown(words);
    return part.value_or(PartOfWhole{-1, -1});
}

void expectMentions(int page, const std::string& words) {
    EXPECT_NE(pageText(page).find(words), std::string::npos)
        << pageName(page) << "the question no longer speaks of " << shown(words);
}

struct Choice {
    char letter = 'A';
    std::string line;
    std::vector<PrintedNumber> numbers;
};

std::vector<Choice> choicesOf(const PageSource& page) {
    std::vector<Choice> out;
    for (int i = 1; i <= 17; ++i)
        if (engine::hasAnswerButton(textLine(page, i)))
            out.push_back({textLine(page, i)[0], textLine(page, i),
                           statedNumbers(textLine(page, i).substr(2))});
    return out;
}

std::optional<Choice> markedChoice(const PageSource& page) {
    for (const auto& choice : choicesOf(page))
        if (page.answer.size() == 1 && choice.letter == page.answer[0] - 'a' + 'A')
            return choice;
    return std::nullopt;
}

std::string describe(double value) {
    std::ostringstream out;
    out << std::setprecision(6) << value;
    return out.str();
}

// The marked choice is `value` to its printed places, everywhere it states it ("1 in 8 or
// 12.5%"), and no other choice lies nearer to `value`.
::testing::AssertionResult marksTheChoiceFor(int page, double value) {
    const PageSource& question = pageOrBlank(page);
    const auto marked = markedChoice(question);
    if (!std::isfinite(value))
        return ::testing::AssertionFailure() << pageName(page) << "nothing to compare with";
    if (!marked || marked->numbers.empty())
        return ::testing::AssertionFailure() << pageName(page) << "no marked choice with a number";
    for (const auto& number : marked->numbers)
        if (!number.isRoundingOf(value))
            return ::testing::AssertionFailure()
                   << pageName(page) << "the answer is " << describe(value) << ", but the marked "
                   << "choice " << shown(marked->line) << " states " << number.text;
    const double markedError = std::abs(marked->numbers[0].value - value);
    for (const auto& other : choicesOf(question))
        if (!other.numbers.empty() && std::abs(other.numbers[0].value - value) < markedError)
            return ::testing::AssertionFailure()
                   << pageName(page) << "choice " << shown(other.line) << " lies nearer to "
                   << describe(value) << " than the marked choice " << shown(marked->line);
    return ::testing::AssertionSuccess();
}

// The solution Page after the question states `value`, to the places the choices use or
// more exactly.
::testing::AssertionResult solutionShows(int page, double value) {
    const auto marked = markedChoice(pageOrBlank(page));
    const double places = marked && !marked->numbers.empty() ? marked->numbers[0].halfUnit : 0;
    for (const auto& number : statedNumbers(explanation(page + 1)))
        if (std::abs(number.value - value) <=
            std::max(places, number.halfUnit) + 1e-9 * std::max(1.0, std::abs(value)))
            return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << pageName(page + 1) << "the solution of Page " << page
                                         << " never states " << describe(value);
}

void expectAnswer(int page, double value) {
    EXPECT_TRUE(marksTheChoiceFor(page, value));
    EXPECT_TRUE(solutionShows(page, value));
}

// The marked choice says `words` (a verdict such as "Yes" or "very unlikely").
void expectMarkedChoiceSays(int page, const std::string& words) {
    const auto marked = markedChoice(pageOrBlank(page));
    EXPECT_TRUE(marked && marked->line.find(words) != std::string::npos)
        << pageName(page) << "the marked choice " << (marked ? shown(marked->line) : "(none)")
        << " should say " << shown(words);
}

// The Page's text or speech states `value` to the places it prints.
::testing::AssertionResult pageStates(int page, double value) {
    for (const auto& number : statedNumbers(pageText(page) + speechText(pageOrBlank(page))))
        if (number.isRoundingOf(value))
            return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << pageName(page) << "never states " << describe(value);
}

std::string wordAfter(int page, const std::string& words) {
    std::smatch m;
    const std::string text = pageText(page);
    const bool found = std::regex_search(text, m, std::regex(regexEscaped(words) + R"(\s+(\w+))"));
    EXPECT_TRUE(found) << pageName(page) << "names no word after " << shown(words);
    return found ? m[1].str() : std::string();
}

// "from 100 to 999".
std::pair<int, int> rangeOf(int page) {
    std::smatch m;
    const std::string text = pageText(page);
    const bool found = std::regex_search(text, m, std::regex(R"(from (\d+) to (\d+))"));
    EXPECT_TRUE(found) << pageName(page) << "names no range \"from N to M\"";
    return found ? std::pair{std::stoi(m[1].str()), std::stoi(m[2].str())} : std::pair{0, -1};
}

bool hasEqualDigits(int number) {
    const std::string digits = std::to_string(number);
    return digits.find_first_not_of(digits[0]) == std::string::npos;
}

Distribution pageDistribution(int page) {
    const PageSource& source = pageOrBlank(page);
    std::vector<std::string> lines(source.lines.begin() + 1, source.lines.end());
    const Distribution d = distributionOnLines(lines);
    EXPECT_GE(d.values.size(), 2u) << pageName(page) << "shows no table of x and P(x)";
    EXPECT_NEAR(d.totalProbability(), 1.0, 1e-9)
        << pageName(page) << "the probabilities of the table add up to " << d.totalProbability();
    return d;
}

SvgFigure pictureOf(int page, std::size_t index = 0) {
    const PageSource& source = pageOrBlank(page);
    if (source.entry.pictures.size() <= index) {
        ADD_FAILURE() << pageName(page) << "has no picture " << index + 1;
        return {};
    }
    const auto file = program().pictureSource(source.entry.pictures[index].file);
    const auto figure = readSvgFigure(file);
    EXPECT_TRUE(figure) << pageName(page) << "cannot read " << file;
    return figure.value_or(SvgFigure{});
}

// Every row of a picture's distribution is the binomial P(x) for n and p, to its places.
void expectBinomialRows(int page, const std::vector<PictureRow>& rows, int n, double p) {
    EXPECT_EQ(rows.size(), static_cast<std::size_t>(n + 1))
        << pageName(page) << "the picture should list x = 0 to " << n;
    for (const auto& row : rows)
        EXPECT_TRUE(row.probability.isRoundingOf(binomialProbability(n, row.x, p)))
            << pageName(page) << "the picture gives P(" << row.x << ") = " << row.probability.text
            << ", the binomial value is " << describe(binomialProbability(n, row.x, p));
}

std::string pictureText(const SvgFigure& figure) {
    std::string text;
    for (const auto& label : figure.labels)
        text += label.text + "   ";
    return text;
}

// A tree's labels carry both branches of a stage: p and 1 - p.
void expectBranches(int page, const SvgFigure& tree, double p) {
    const auto labels = statedNumbers(pictureText(tree));
    for (const double branch : {p, 1 - p}) {
        const bool drawn = std::any_of(labels.begin(), labels.end(), [&](const auto& n) {
            return std::abs(n.value - branch) < 1e-9;
        });
        EXPECT_TRUE(drawn) << pageName(page) << "the tree has no branch " << describe(branch);
    }
}

} // namespace

TEST(ChancesAnswers, PermutationQuestions) {
    // Page 5: every possible order of all of the survey's questions: the factorial rule.
    const int questions = countAfter(5, "survey of");
    EXPECT_EQ(countAfter(5, "order of the"), questions) << pageName(5) << "all of them are ordered";
    expectMarkedChoiceSays(5, "[n!]");
    EXPECT_TRUE(solutionShows(5, factorial(questions))) << "5! versions";

    expectAnswer(7, arrangementsOfLetters(wordAfter(7, "the word")));
    expectAnswer(9, factorial(wholeAfter(9, "made of")));

    const int boys = wholeBefore(11, " boys");
    const int girls = wholeBefore(11, " girls");
    EXPECT_EQ(statedBefore(11, " babies"), boys + girls) << pageName(11);
    expectAnswer(11, factorial(boys + girls) / (factorial(boys) * factorial(girls)));

    const int songs = wholeBefore(13, " different songs");
    const int played = wholeAfter(13, "time to play");
    expectAnswer(13, permutations(songs, played)); // 259,459,200
}

TEST(ChancesAnswers, CombinationQuestions) {
    const int picked = countAfter(20, "picks");
    expectAnswer(20, combinations(wholeAfter(20, "from 1 to"), picked));

    const int members = wholeBefore(22, "-member");
    expectAnswer(22, combinations(wholeAfter(22, "list of"), members)); // 230,300

    // Page 24: one group of the 8 oldest among all 40C8 equally likely groups of 8.
    const int employees = wholeBefore(24, " employees dismissed");
    const int dismissed = wholeAfter(24, "dismissed");
    const double groups = combinations(employees, dismissed);
    EXPECT_TRUE(marksTheChoiceFor(24, 1 / groups)); // 1/76,904,685
    expectMarkedChoiceSays(24, "Yes, age discrimination is occurring");
    EXPECT_TRUE(pageStates(25, groups));

    const int students = wholeBefore(26, " students");
    expectAnswer(26, combinations(students, wholeAfter(26, "choose")));

    // Page 28: a group of 5, then its leader among the five.
    const int classSize = wholeBefore(28, " students in");
    const int group = wholeAfter(28, "group of");
    expectAnswer(28, combinations(classSize, group) * group); // 6435
}

TEST(ChancesAnswers, FiniteProbabilityQuestions) {
    const int tosses = countAfter(35, "tossed");
    expectAnswer(35, std::pow(2, tosses));
    expectAnswer(37, std::pow(0.5, countAfter(37, "tossed")));

    const int red = countBefore(39, " red pens");
    const int blue = countBefore(39, " blue pens");
    EXPECT_EQ(countAfter(39, "grabs"), 2) << pageName(39) << "one red and one blue of two pens";
    expectAnswer(39, combinations(red, 1) * combinations(blue, 1) / combinations(red + blue, 2));

    const int faces = wholeBefore(41, " sided die");
    const auto divisors = numbersAfter(pageText(41), "multiple of");
    ASSERT_EQ(divisors.size(), 2u) << pageName(41);
    int multiples = 0;
    for (int face = 1; face <= faces; ++face)
        multiples +=
            face % static_cast<int>(divisors[0]) == 0 || face % static_cast<int>(divisors[1]) == 0;
    expectAnswer(41, double(multiples) / faces);

    const int coins = countAfter(43, "Toss");
    expectAnswer(43, 1 - 2 / std::pow(2, coins)); // all heads and all tails are left out

    const auto [first, last] = rangeOf(45);
    const int divisor = wholeAfter(45, "divisible by");
    int wanted = 0;
    for (int number = first; number <= last; ++number)
        wanted += hasEqualDigits(number) && number % divisor == 0;
    expectAnswer(45, double(wanted) / (last - first + 1)); // 3/900
}

TEST(ChancesAnswers, ConditionalProbabilityQuestions) {
    expectAnswer(51, statedBefore(51, "% of the class passed both") /
                         statedBefore(51, "% of the class passed the first"));
    expectAnswer(53, statedBefore(53, "% of the marbles are both black and large") /
                         statedBefore(53, "% of the marbles in the jar are black"));
    expectAnswer(55, statedBefore(55, "% of the customers order both") /
                         statedBefore(55, "% of the customers order a burger"));
    expectAnswer(57, stated(57, "college is") * stated(57, "residence is"));
    expectAnswer(59, stated(59, "Technology and Spanish is") / stated(59, "takes Technology is"));
}

TEST(ChancesAnswers, BinomialQuestions) {
    const double red = statedBefore(74, "% of its candies") / 100;
    expectAnswer(74, binomialProbability(wholeAfter(74, "take"), wholeAfter(74, "exactly"), red));

    expectMentions(76, "fair coin");
    expectAnswer(76, binomialProbability(wholeAfter(76, "tossed"), wholeAfter(76, "exactly"), 0.5));

    // Page 78: 13 of 15 recognise the drink when each does so with probability 0.45.
    const auto recognised = partOfWhole(78, "exactly");
    const double p = stated(78, "with probability");
    EXPECT_DOUBLE_EQ(statedBefore(78, "% of consumers") / 100, p) << pageName(78);
    const double chance = binomialProbability(recognised.whole, recognised.part, p);
    expectAnswer(78, chance);
    EXPECT_LT(chance, 0.01) << pageName(78);
    expectMarkedChoiceSays(78, "very unlikely");

    // Page 80: guessing one of four answers on every question.
    const auto right = partOfWhole(80, "exactly");
    EXPECT_EQ(stated(80, "each of its"), right.whole) << pageName(80);
    expectAnswer(80, binomialProbability(right.whole, right.part,
                                         1.0 / countBefore(80, " possible answers")));

    const auto women = partOfWhole(83, "exactly");
    expectMentions(83, "equally");
    EXPECT_EQ(statedBefore(83, " guests"), women.whole) << pageName(83);
    expectAnswer(83, binomialProbability(women.whole, women.part, 0.5)); // 3432 / 16384
}

TEST(ChancesAnswers, MeanVarianceAndStandardDeviationQuestions) {
    expectAnswer(86, pageDistribution(86).mean());              // 1.34
    expectAnswer(88, pageDistribution(88).variance());          // 0.9444
    expectAnswer(90, pageDistribution(90).standardDeviation()); // 0.9718
    EXPECT_EQ(pageDistribution(88).probabilities, pageDistribution(86).probabilities)
        << pageName(88) << "asks about the same distribution as Page 86";
    EXPECT_EQ(pageDistribution(90).probabilities, pageDistribution(86).probabilities)
        << pageName(90) << "asks about the same distribution as Page 86";
}

TEST(ChancesAnswers, ProbabilityTreeQuestions) {
    const auto hits = numbersBefore(pageText(94), "% of the time");
    ASSERT_EQ(hits.size(), 2u) << pageName(94) << "gives each marksman's hits";
    expectAnswer(94, 1 - (1 - hits[0] / 100) * (1 - hits[1] / 100));

    const auto ruined = partOfWhole(96, "");
    const int eggs = countBefore(96, " eggs are taken");
    expectAnswer(96, std::pow(double(ruined.part) / ruined.whole, eggs));

    expectMentions(98, "a fair coin");
    expectMentions(98, "a fair die");
    expectAnswer(98, 1.0 / 2 * 1.0 / 6);

    const int children = countAfter(100, "has");
    expectAnswer(100, std::pow(0.5, children));

    // Page 102: which bottle, given a white ball.
    // The first bottle holds white balls only; the other one white and one black ball.
    EXPECT_GT(countAfter(102, "One contains"), 0) << pageName(102);
    const double whiteFromFirst = 1;
    const double whiteFromSecond =
        countAfter(102, "other contains") /
        double(countAfter(102, "other contains") + countAfter(102, "white ball and"));
    expectAnswer(102, 0.5 * whiteFromFirst / (0.5 * whiteFromFirst + 0.5 * whiteFromSecond));
}

TEST(ChancesAnswers, EveryQuestionIsWorkedOutAbove) {
    const std::set<int> workedOut{5,  7,  9,  11, 13, 20, 22, 24, 26,  28, 35, 37,
                                  39, 41, 43, 45, 51, 53, 55, 57, 59,  74, 76, 78,
                                  80, 83, 86, 88, 90, 94, 96, 98, 100, 102};
    std::set<int> questions;
    for (const auto& page : program().source().pages)
        if (page.entry.layout == engine::RecordLayout::Question)
            questions.insert(page.number);
    EXPECT_EQ(questions, workedOut) << "a question was added or moved: work it out here too";
}

TEST(ChancesWorkedExamples, CountingExamples) {
    EXPECT_TRUE(pageStates(2, factorial(wholeBefore(2, " different addresses"))));
    EXPECT_TRUE(pageStates(3, permutations(wholeBefore(3, " members"), 3)));
    EXPECT_TRUE(pageStates(4, arrangementsOfLetters(wordAfter(4, "letters of"))));
    const int board = wholeBefore(17, " members");
    EXPECT_TRUE(pageStates(18, permutations(board, 3))); // president, treasurer and secretary
    EXPECT_TRUE(pageStates(18, combinations(board, 3)));
    const int drawn = countAfter(19, "chooses");
    const double selections = combinations(wholeAfter(19, "from 1 to"), drawn);
    EXPECT_TRUE(pageStates(19, selections)); // 2,118,760
    EXPECT_TRUE(pageStates(19, 1 / selections));
}

TEST(ChancesWorkedExamples, ProbabilityExamples) {
    const int women = wholeBefore(32, " women");
    const int men = wholeBefore(32, " men");
    const int members = wholeBefore(32, " people");
    const double allWomen = combinations(women, members) / combinations(women + men, members);
    EXPECT_TRUE(pageStates(32, allWomen));     // 0.119
    EXPECT_TRUE(pageStates(32, 1 - allWomen)); // at least one man

    // Page 50: staying wins with 1/3 and switching with 2/3 in the Three Boxes game.
    EXPECT_TRUE(pageStates(50, 1.0 / 3));
    EXPECT_TRUE(pageStates(50, 2.0 / 3));

    // Page 93: two children; both girls, and both girls given at least one girl.
    EXPECT_TRUE(pageStates(93, 0.25));
    EXPECT_TRUE(pageStates(93, 0.25 / 0.75));
}

TEST(ChancesWorkedExamples, NorthernAirFlightsAreABinomialDistribution) {
    // Pages 63 to 67: x is the number of Northern Air flights among the next 3, each one a
    // Northern Air flight with the airline's share as its probability.
    const double share = statedBefore(63, "% share") / 100;
    const int flights = wholeAfter(63, "watch the next");
    for (int page : {65, 66, 67}) {
        const Distribution d = pageDistribution(page);
        for (std::size_t i = 0; i < d.values.size(); ++i) {
            const int x = static_cast<int>(d.values[i]);
            EXPECT_NEAR(d.probabilities[i], binomialProbability(flights, x, share), 5e-4)
                << pageName(page) << "P(" << x << ")";
        }
    }
    const double mean = flights * share;
    const double variance = flights * share * (1 - share);
    EXPECT_TRUE(pageStates(65, mean));                // 1.2
    EXPECT_TRUE(pageStates(66, variance));            // 0.72
    EXPECT_TRUE(pageStates(67, std::sqrt(variance))); // 0.8485
    EXPECT_NEAR(stated(67, "standard deviation ="), std::sqrt(variance), 0.005) << pageName(67);
}

TEST(ChancesWorkedExamples, ExpectedValueOfTheRouletteBet) {
    const double slots = statedBefore(68, " equally likely slots");
    const double stake = stated(68, "bet $");
    const double gain = stated(68, "win $");
    const double expected = gain / slots - stake * (slots - 1) / slots;
    EXPECT_TRUE(pageStates(69, expected)); // -10/38, a loss
    EXPECT_NEAR(stated(69, "a loss of about") / 100, -expected, 0.005) << pageName(69) << "cents";
}

TEST(ChancesWorkedExamples, BinomialExamples) {
    const auto online = partOfWhole(70, "exactly");
    const double bank = binomialProbability(online.whole, online.part,
                                            statedBefore(70, "% of the customers") / 100);
    EXPECT_TRUE(pageStates(71, bank)); // 0.3087
    EXPECT_NEAR(stated(71, "is about") / 100, bank, 0.005) << pageName(71);

    const auto pilotError = partOfWhole(72, "exactly");
    const double accidents = binomialProbability(pilotError.whole, pilotError.part,
                                                 statedBefore(72, "% of all airline") / 100);
    EXPECT_TRUE(pageStates(73, accidents)); // 0.3177
}

TEST(ChancesArithmetic, EveryCalculationOnThePagesIsRight) {
    Faults faults;
    for (const auto& page : program().source().pages) {
        for (const auto& part : {pageText(page.number), speechText(page)})
            for (const auto& equality : printedEqualities(part))
                if (!equality.holds())
                    faults.add(page.number, equality.left + " is " +
                                                describe(equality.leftValue.middle()) + ", not " +
                                                equality.right);
    }
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesArithmetic, EveryCalculationInThePicturesIsRight) {
    Faults faults;
    for (const auto& page : program().table().pages)
        for (const auto& picture : page.pictures) {
            const auto figure = readSvgFigure(program().pictureSource(picture.file));
            for (const auto& label : figure ? figure->labels : std::vector<SvgLabel>{})
                for (const auto& equality : printedEqualities(label.text))
                    if (!equality.holds())
                        faults.add(page.number, picture.file + ": " + equality.left + " is " +
                                                    describe(equality.leftValue.middle()) +
                                                    ", not " + equality.right);
        }
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesPictures, DistributionTablesAreTheBinomialDistributionsOfTheirPages) {
    // table67.jpg and its histogram table68.jpg: the Northern Air flights of Page 63.
    const int flights = wholeAfter(63, "watch the next");
    const double share = statedBefore(63, "% share") / 100;
    expectBinomialRows(63, distributionRows(pictureOf(63)), flights, share);
    expectBinomialRows(64, histogramBars(pictureOf(64)), flights, share);

    // table69.jpg: the guesser of Page 80, right with one of four answers.
    const auto right = partOfWhole(80, "exactly");
    expectBinomialRows(82, distributionRows(pictureOf(82)), right.whole,
                       1.0 / countBefore(80, " possible answers"));

    // table70.jpg: the women among the guests of Page 83, with the counts 14Cx.
    const auto women = partOfWhole(83, "exactly");
    const auto rows = distributionRows(pictureOf(85));
    expectBinomialRows(85, rows, women.whole, 0.5);
    for (const auto& row : rows)
        EXPECT_TRUE(row.counts.size() == 1 && row.counts[0] == combinations(women.whole, row.x))
            << pageName(85) << "the count beside x = " << row.x << " is no " << women.whole << "Cx";
}

TEST(ChancesPictures, TreesBranchWithTheirQuestionsProbabilities) {
    const auto hits = numbersBefore(pageText(94), "% of the time");
    ASSERT_EQ(hits.size(), 2u) << pageName(94);
    expectBranches(95, pictureOf(95), hits[0] / 100);
    expectBranches(95, pictureOf(95), hits[1] / 100);
    const auto ruined = partOfWhole(96, "");
    expectBranches(97, pictureOf(97), double(ruined.part) / ruined.whole);
    expectBranches(99, pictureOf(99), 0.5);
    expectBranches(101, pictureOf(101), 0.5);
    expectBranches(103, pictureOf(103), 0.5);
}
