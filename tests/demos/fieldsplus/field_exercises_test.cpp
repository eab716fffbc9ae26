// The fields program's exercises over many seeds: each is the same for the same seed, its
// expected answer passes its own checker, and wrong or badly typed answers are refused with a
// reason.
#include "fieldsplus/core/field_exercises.h"
#include "fieldsplus/core/modular_inverse.h"

#include <gtest/gtest.h>

using namespace fieldsplus;

namespace {

// The number after the first "Z<sub>" of a prompt.
std::int64_t modulusIn(const std::string& prompt) {
    return std::stoll(prompt.substr(prompt.find("Z<sub>") + 6));
}

} // namespace

TEST(FieldExercises, EveryKindIsRepeatableAndAcceptsItsOwnAnswer) {
    const auto kinds = exerciseKinds();
    ASSERT_GE(kinds.size(), 3u);
    for (const auto& kind : kinds)
        for (kit::Seed seed = 0; seed < 300; ++seed) {
            const kit::Exercise e = kind.generate(seed);
            EXPECT_EQ(e.kind, kind.id);
            EXPECT_EQ(kind.generate(seed).prompt, e.prompt);
            EXPECT_GE(e.solutionSteps.size(), 2u);
            const kit::Verdict right = e.check(e.expectedAnswer);
            EXPECT_TRUE(right.correct) << kind.id << " " << seed << ": " << e.prompt << " -> "
                                       << e.expectedAnswer << ": " << right.message;
            for (const char* bad : {"", "banana", "3.5", "99999999999999999999999", ")"})
                EXPECT_FALSE(e.check(bad).correct) << kind.id << " took \"" << bad << "\"";
        }
}

TEST(FieldExercises, InversesMultiplyBackAndEquationsSubstituteBack) {
    for (kit::Seed seed = 0; seed < 300; ++seed) {
        const kit::Exercise inverse = inverseExercise(seed);
        const std::int64_t p = modulusIn(inverse.prompt);
        const std::int64_t a = std::stoll(inverse.prompt.substr(inverse.prompt.find("of ") + 3));
        EXPECT_TRUE(isPrime(p));
        EXPECT_EQ(a * std::stoll(inverse.expectedAnswer) % p, 1) << inverse.prompt;
        EXPECT_FALSE(inverse.check(std::to_string(std::stoll(inverse.expectedAnswer) - p)).correct);

        const kit::Exercise equation = linearEquationExercise(seed);
        long long ea = 0, eb = 0, ec = 0;
        ASSERT_EQ(std::sscanf(equation.prompt.c_str(), "Solve %lldx + %lld = %lld", &ea, &eb, &ec),
                  3);
        const std::int64_t q = modulusIn(equation.prompt);
        EXPECT_EQ((ea * std::stoll(equation.expectedAnswer) + eb) % q, ec) << equation.prompt;
        int solutions = 0;
        for (std::int64_t x = 0; x < q; ++x)
            solutions += (ea * x + eb) % q == ec;
        EXPECT_EQ(solutions, 1);
    }
}

TEST(FieldExercises, FieldOrZeroDivisorAcceptsAnyWitness) {
    const auto six = expectFieldOrZeroDivisor(6);
    EXPECT_TRUE(six("2").correct);
    EXPECT_TRUE(six("3").correct);
    EXPECT_TRUE(six("4").correct);
    EXPECT_FALSE(six("5").correct);
    EXPECT_NE(six("5").message.find("5 is a unit of Z_6"), std::string::npos);
    EXPECT_EQ(six("field").message, "Z_6 is not a field: look for a factor of 6.");
    EXPECT_EQ(six("0").message, "0 is not a non-zero element of Z_6: use 1 to 5");
    const auto seven = expectFieldOrZeroDivisor(7);
    EXPECT_TRUE(seven(" Field ").correct);
    EXPECT_FALSE(seven("3").correct);
    EXPECT_NE(seven("prime").message.find("type the word field"), std::string::npos);
}

TEST(FieldExercises, TheFieldOfFourTakesItsElementsByName) {
    const auto check = expectFieldOfFourElement(3);
    EXPECT_TRUE(check("a+1").correct);
    EXPECT_TRUE(check("1 + a").correct);
    EXPECT_FALSE(check("a").correct);
    EXPECT_EQ(check("3").message, "type one of the four elements: 0, 1, a or a+1");
    bool sawEach[4] = {false, false, false, false};
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const auto e = fieldOfFourExercise(seed);
        for (int k = 0; k < 4; ++k)
            if (e.expectedAnswer == std::vector<std::string>{"0", "1", "a", "a+1"}[k])
                sawEach[k] = true;
    }
    EXPECT_TRUE(sawEach[0] && sawEach[1] && sawEach[2] && sawEach[3]);
}
