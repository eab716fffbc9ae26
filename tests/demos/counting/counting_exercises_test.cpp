#include "counting/core/base_conversion.h"
#include "counting/core/counting_exercises.h"

#include "demos/exercise_properties.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

using namespace counting;

const kit::ExerciseKind& kindNamed(const std::string& id) {
    static const auto kinds = countingExerciseKinds();
    return demo_test::kindNamed(kinds, id);
}

TEST(CountingExercises, EveryKindIsWellFormedOverManySeeds) {
    demo_test::expectEveryKindWellFormed(countingExerciseKinds());
}

// The numeral and its base as the prompt shows them: "Write 2AF<sub>16</sub> in base ten."
std::pair<std::string, int> shownNumeral(const std::string& prompt) {
    std::smatch match;
    EXPECT_TRUE(std::regex_search(prompt, match, std::regex("([0-9A-F]+)<sub>(\\d+)</sub>")));
    return {match[1], std::stoi(match[2])};
}

TEST(CountingExercises, BaseToDecimalAnswerIsTheNumeralsValue) {
    const auto& kind = kindNamed("base-to-decimal");
    for (kit::Seed seed = 0; seed < 300; ++seed) {
        const kit::Exercise exercise = kind.generate(seed);
        const auto [numeral, base] = shownNumeral(exercise.prompt);
        const mpz_class value(numeral, base);
        EXPECT_EQ(exercise.expectedAnswer, value.get_str());
        EXPECT_FALSE(exercise.check(mpz_class(value + 1).get_str()).correct);
        EXPECT_FALSE(exercise.check(numeral + "0").correct);
    }
}

TEST(CountingExercises, DecimalToBaseTakesAnyCaseAndRefusesForeignDigits) {
    const auto& kind = kindNamed("decimal-to-base");
    for (kit::Seed seed = 0; seed < 300; ++seed) {
        const kit::Exercise exercise = kind.generate(seed);
        const auto numbers = demo_test::integersIn(exercise.prompt);
        ASSERT_EQ(numbers.size(), 2u) << exercise.prompt;
        const mpz_class value(numbers[0]);
        const int base = static_cast<int>(numbers[1]);
        std::string lower = value.get_str(base);
        EXPECT_TRUE(exercise.check(lower).correct) << lower;
        EXPECT_TRUE(exercise.check(" 0" + lower).correct);
        std::string reversed(lower.rbegin(), lower.rend());
        if (reversed != lower && reversed.front() != '0') {
            EXPECT_FALSE(exercise.check(reversed).correct) << "the remainders read backwards";
        }
        const kit::Verdict foreign = exercise.check(std::string(1, "0123456789ABCDEFG"[base]));
        EXPECT_FALSE(foreign.correct);
        EXPECT_NE(foreign.message.find("is not a digit of base"), std::string::npos);
        // The base-ten numeral is refused, with what it stands for, unless it is the same.
        if (base != 10 && value.get_str(base) != value.get_str()) {
            const auto verdict = exercise.check(value.get_str());
            EXPECT_FALSE(verdict.correct);
        }
    }
}

TEST(CountingExercises, DivisibilityAnswerIsEveryDividingRuleDivisorInAnyOrder) {
    const auto& kind = kindNamed("divisibility");
    for (kit::Seed seed = 0; seed < 300; ++seed) {
        const kit::Exercise exercise = kind.generate(seed);
        const auto numbers = demo_test::integersIn(exercise.prompt);
        const mpz_class n(numbers.back());
        std::vector<std::string> dividing;
        for (int d : {2, 3, 4, 5, 6, 8, 9, 10, 11})
            if (n % d == 0)
                dividing.push_back(std::to_string(d));
        ASSERT_FALSE(dividing.empty());
        std::string forwards;
        std::string backwards;
        for (std::size_t i = 0; i < dividing.size(); ++i) {
            forwards += (i ? ", " : "") + dividing[i];
            backwards = dividing[i] + (i ? ", " : "") + backwards;
        }
        EXPECT_EQ(exercise.expectedAnswer, forwards);
        EXPECT_TRUE(exercise.check(backwards).correct);
        if (dividing.size() > 1) {
            const std::string shortened = forwards.substr(0, forwards.rfind(','));
            EXPECT_FALSE(exercise.check(shortened).correct) << "one divisor left out";
        }
        EXPECT_FALSE(exercise.check(forwards + ", 7").correct);
    }
}

TEST(CountingExercises, SumOfConsecutiveNumbersIsTheTermByTermSum) {
    const auto& kind = kindNamed("sum-of-first-numbers");
    for (kit::Seed seed = 0; seed < 300; ++seed) {
        const kit::Exercise exercise = kind.generate(seed);
        const auto numbers = demo_test::integersIn(exercise.prompt);
        const long first = numbers.front();
        const long last = numbers[numbers.size() - 1];
        long total = 0;
        for (long i = first; i <= last; ++i)
            total += i;
        EXPECT_EQ(exercise.expectedAnswer, std::to_string(total)) << exercise.prompt;
        EXPECT_FALSE(exercise.check(std::to_string(total - first)).correct);
    }
}

TEST(CountingExercises, PeanoSumCountsTheSuccessors) {
    const auto& kind = kindNamed("peano-addition");
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise exercise = kind.generate(seed);
        const std::string sum = exercise.prompt.substr(exercise.prompt.find("is S"));
        const long successors = std::count(sum.begin(), sum.end(), 'S');
        // Each side is 1 with some S's: the sum is the S's plus 2.
        EXPECT_EQ(exercise.expectedAnswer, std::to_string(successors + 2)) << exercise.prompt;
    }
}

} // namespace
