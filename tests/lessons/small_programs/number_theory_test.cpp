// The mathematics of the number theory lesson, recomputed: the six questions answered by
// Euclid's algorithm from the numbers on their Pages, every gcf the prose states, every
// equation between numbers, and the list of the first 80 primes.
#include "engine/core/choice_line.h"
#include "page_arithmetic.h"
#include "platform/text/windows1252.h"
#include "small_program.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

using namespace small_programs;
using engine::PageSource;

namespace {

const SmallProgram& numberTheory() {
    return smallProgram("numbertheory");
}

long gcfByEuclid(long a, long b) {
    while (b != 0) {
        const long remainder = a % b;
        a = b;
        b = remainder;
    }
    return a;
}

std::vector<int> firstPrimes(std::size_t count) {
    std::vector<int> primes;
    for (int n = 2; primes.size() < count; ++n) {
        bool prime = true;
        for (int p : primes)
            prime = prime && n % p != 0;
        if (prime)
            primes.push_back(n);
    }
    return primes;
}

// The two numbers a question asks about, and what it asks.
struct AskedNumbers {
    enum class Kind { Gcf, RelativelyPrime } kind;
    long first = 0;
    long second = 0;
};

std::optional<AskedNumbers> askedNumbers(const PageSource& page) {
    static const std::regex gcf(R"(gcf of (\d+) and (\d+))");
    static const std::regex coprime(R"(Are (\d+) and (\d+) relative primes\?)");
    for (int i = 1; i <= 17; ++i) {
        std::smatch m;
        const std::string& line = textLine(page, i);
        if (std::regex_search(line, m, gcf))
            return AskedNumbers{AskedNumbers::Kind::Gcf, std::stol(m[1]), std::stol(m[2])};
        if (std::regex_search(line, m, coprime))
            return AskedNumbers{AskedNumbers::Kind::RelativelyPrime, std::stol(m[1]),
                                std::stol(m[2])};
    }
    return std::nullopt;
}

// The text after "X. " of the choice line with an answer button for that letter.
std::optional<std::string> choiceText(const PageSource& page, char letter) {
    for (int i = 1; i <= 17; ++i) {
        const std::string& line = textLine(page, i);
        if (engine::hasAnswerButton(line) && line[0] == letter)
            return line.substr(line.find_first_not_of(' ', 2));
    }
    return std::nullopt;
}

// The letters of the choices that are right for the numbers asked.
std::string rightLetters(const PageSource& page, const AskedNumbers& asked) {
    const long gcf = gcfByEuclid(asked.first, asked.second);
    const std::string right = asked.kind == AskedNumbers::Kind::Gcf ? std::to_string(gcf)
                              : gcf == 1                            ? "Yes"
                                                                    : "No";
    std::string letters;
    for (char letter : std::string("ABCD"))
        if (choiceText(page, letter) == right)
            letters += static_cast<char>(letter - 'A' + 'a');
    return letters;
}

std::vector<std::string> pictureTexts(const std::filesystem::path& svg) {
    std::ifstream in(svg, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const std::string all = text.str();
    static const std::regex element(R"(<text[^>]*>([^<]*)</text>)");
    std::vector<std::string> out;
    for (std::sregex_iterator it(all.begin(), all.end(), element), end; it != end; ++it) {
        std::string content = (*it)[1];
        for (const auto& [entity, character] :
             {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}})
            for (auto at = content.find(entity); at != std::string::npos; at = content.find(entity))
                content.replace(at, std::string(entity).size(), character);
        out.push_back(platform::utf8ToWindows1252(content).value_or(""));
    }
    return out;
}

} // namespace

TEST(NumberTheoryQuestions, EachMarkedAnswerIsWhatEuclidsAlgorithmGives) {
    Faults faults("numbertheory");
    int gcfQuestions = 0;
    int coprimeQuestions = 0;
    for (const auto& page : numberTheory().source.pages) {
        if (page.entry.layout != engine::RecordLayout::Question)
            continue;
        const auto asked = askedNumbers(page);
        if (!asked) {
            faults.add(page.number, "is a question that asks neither a gcf nor relative primality");
            continue;
        }
        (asked->kind == AskedNumbers::Kind::Gcf ? gcfQuestions : coprimeQuestions) += 1;
        const std::string right = rightLetters(page, *asked);
        if (right.size() != 1)
            faults.add(page.number, std::to_string(right.size()) + " choices are right for " +
                                        std::to_string(asked->first) + " and " +
                                        std::to_string(asked->second) + ", expected one");
        else if (page.answer != right)
            faults.add(page.number, "marks " + shown(page.answer) + ", but Euclid's algorithm on " +
                                        std::to_string(asked->first) + " and " +
                                        std::to_string(asked->second) + " gives " + shown(right));
    }
    EXPECT_EQ(gcfQuestions, 3);
    EXPECT_EQ(coprimeQuestions, 3);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(NumberTheoryQuestions, EuclidsAlgorithmItself) {
    EXPECT_EQ(gcfByEuclid(1350, 125), 25);
    EXPECT_EQ(gcfByEuclid(125, 1350), 25); // the first step swaps the numbers
    EXPECT_EQ(gcfByEuclid(4934, 1019), 1);
    EXPECT_EQ(gcfByEuclid(8523, 102), 3);
    EXPECT_EQ(gcfByEuclid(24, 56), 8);
    EXPECT_EQ(gcfByEuclid(17, 0), 17);
}

TEST(NumberTheoryProse, EveryGcfItStatesIsRight) {
    Faults faults("numbertheory");
    static const std::regex statement(R"(gcf\((\d+), (\d+)\) = )");
    int statements = 0;
    for (const auto& page : numberTheory().source.pages)
        for (int i = 1; i <= 17; ++i) {
            const std::string& line = textLine(page, i);
            for (std::sregex_iterator it(line.begin(), line.end(), statement), end; it != end;
                 ++it) {
                ++statements;
                const long a = std::stol((*it)[1]);
                const long b = std::stol((*it)[2]);
                const auto said = leadingValue(it->suffix().str());
                if (!said || *said != static_cast<double>(gcfByEuclid(a, b)))
                    faults.add(page.number, "line " + std::to_string(i) + " states " + it->str() +
                                                "..., but it is " +
                                                std::to_string(gcfByEuclid(a, b)));
            }
        }
    EXPECT_GE(statements, 5) << "the worked examples state their gcf";
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(NumberTheoryProse, EveryEquationBetweenNumbersHolds) {
    Faults faults("numbertheory");
    int checked = 0;
    for (const auto& page : numberTheory().source.pages)
        for (int i = 1; i <= 17; ++i) {
            const auto check = checkArithmetic(textLine(page, i));
            checked += check.checkedEquations;
            for (const auto& wrong : check.wrongEquations)
                faults.add(page.number, "line " + std::to_string(i) + ": " + wrong);
        }
    EXPECT_GE(checked, 20) << "the divisions of Euclid's algorithm and the factorizations";
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(NumberTheoryProse, TheLecturersNotesStateTrueArithmetic) {
    Faults faults("numbertheory");
    int checked = 0;
    for (const auto& page : numberTheory().source.pages)
        for (const auto& picture : page.entry.pictures)
            for (const auto& text : pictureTexts(pictureSource("numbertheory", picture.file))) {
                const auto check = checkArithmetic(text);
                checked += check.checkedEquations;
                for (const auto& wrong : check.wrongEquations)
                    faults.add(page.number, picture.file + ": " + wrong);
            }
    EXPECT_GE(checked, 5);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(NumberTheoryProse, PageTwentyOneListsTheFirstEightyPrimes) {
    const PageSource* page = numberTheory().sourcePage(21);
    ASSERT_NE(page, nullptr);
    std::vector<int> listed;
    for (int i = 7; i <= 11; ++i) {
        std::istringstream line(textLine(*page, i));
        for (std::string word; line >> word;)
            listed.push_back(std::stoi(word));
    }
    EXPECT_EQ(listed, firstPrimes(80));
    EXPECT_EQ(listed.back(), 409);
}

TEST(PageArithmetic, FindsAWrongDivisionAndSkipsWhatIsNotAllNumbers) {
    EXPECT_EQ(checkArithmetic("so 100 = 1 x 60 + 40, 60 = 1 x 40 + 20.").checkedEquations, 2);
    EXPECT_EQ(checkArithmetic("then 100 = 1 x 60 + 41 and").wrongEquations.size(), 1u);
    EXPECT_EQ(checkArithmetic("24 = 2 x 2 x 2 x 3 = 2\xB3 x 3").checkedEquations, 2);
    EXPECT_EQ(checkArithmetic("4 x 5 / 2 = 10 and (2 * 0 + 2) + 2 = 4").wrongEquations.size(), 0u);
    EXPECT_EQ(checkArithmetic("17 = 3 \xD7 5 + 3").wrongEquations.size(), 1u);
    // Sides that belong to a longer expression with letters are left alone.
    EXPECT_EQ(checkArithmetic("m + 2 = (m + 1) + 1 and a * 0 = 0").checkedEquations, 0);
    EXPECT_EQ(checkArithmetic("(m + 1) + 1 = 5, 0.75 = 3/4, 1/3 = 0.333...").checkedEquations, 0);
    EXPECT_EQ(leadingValue("2\xB2 x 3 = 12."), 12.0);
    EXPECT_EQ(leadingValue("and 5"), std::nullopt);
}
