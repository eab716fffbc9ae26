#include "construction_files.h"

#include "constructionkit/core/construction_exercises.h"
#include "constructionkit/core/figure.h"
#include "exercise_kind_checks.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

using namespace constructions;

namespace {

std::vector<std::string> otherLetters(const kit::Exercise& e) {
    std::vector<std::string> out;
    for (char letter = 'A'; letter <= 'D'; ++letter)
        if (std::string(1, letter) != e.expectedAnswer)
            out.push_back(std::string(1, letter));
    return out;
}

// Numbers near the answer: one more, a half less, twice and three more.
std::vector<std::string> nearbyNumbers(const kit::Exercise& e) {
    const mpq_class v(e.expectedAnswer);
    std::vector<std::string> out;
    for (const mpq_class& w :
         {mpq_class(v + 1), mpq_class(v - mpq_class(1, 2)), mpq_class(2 * v + 3)})
        out.push_back(w.get_str());
    return out;
}

} // namespace

TEST(ConstructionExercises, EveryKindOfEveryConstructionIsWellMadeOverManySeeds) {
    for (const std::string& name : constructionNames()) {
        SCOPED_TRACE(name);
        const auto c = std::make_shared<const Construction>(shippedConstruction(name));
        const auto kinds = constructionExerciseKinds(c);
        ASSERT_EQ(kinds.size(), 3u);
        exercise_checks::checkKindOverSeeds(kinds[0], 60, otherLetters);
        exercise_checks::checkKindOverSeeds(kinds[1], 60, otherLetters);
        exercise_checks::checkKindOverSeeds(kinds[2], 60, nearbyNumbers);
    }
}

TEST(ConstructionExercises, MeasuresAreExactAndTheirSolutionsFilledIn) {
    for (const std::string& name : constructionNames()) {
        SCOPED_TRACE(name);
        const auto c = std::make_shared<const Construction>(shippedConstruction(name));
        // At the starting places every measure the file asks for is a small fraction, so the
        // fallback of the generator is sound.
        const Figure start = placeAtStart(*c);
        for (const MeasureQuestion& m : c->measures) {
            const auto value = measureOf(*c, start, m.kind, m.points);
            ASSERT_TRUE(value.has_value()) << m.kind;
            EXPECT_TRUE(asSmallFraction(*value).has_value()) << m.kind << " = " << *value;
            for (const std::string& line : m.solution)
                EXPECT_EQ(fillMeasures(*c, start, line).find('?'), std::string::npos) << line;
        }
        const auto kinds = constructionExerciseKinds(c);
        for (kit::Seed seed = 0; seed < 40; ++seed) {
            const kit::Exercise e = kinds[2].generate(seed);
            for (const std::string& step : e.solutionSteps) {
                EXPECT_EQ(step.find("{"), std::string::npos) << step;
                EXPECT_EQ(step.find("\u2212 -"), std::string::npos) << step;
            }
        }
    }
}

TEST(ConstructionExercises, SmallFractionsAreFoundOnlyWhenExact) {
    EXPECT_EQ(fractionText(*asSmallFraction(108.0)), "108");
    EXPECT_EQ(fractionText(*asSmallFraction(22.5)), "45/2");
    EXPECT_EQ(fractionText(*asSmallFraction(-3.75)), "-15/4");
    EXPECT_FALSE(asSmallFraction(std::sqrt(2.0)).has_value());
    EXPECT_EQ(fractionText(*asSmallFraction(1.0 / 3.0)), "1/3");
    EXPECT_FALSE(asSmallFraction(0.2).has_value());
    EXPECT_EQ(fractionText(*asSmallFraction(0.2, 12)), "1/5");
    EXPECT_FALSE(asSmallFraction(0.2 + 1e-7, 12).has_value());
    EXPECT_FALSE(asSmallFraction(std::nan("")).has_value());
    EXPECT_FALSE(asSmallFraction(1e300).has_value());
}

TEST(ConstructionExercises, AWrongLetterSaysWhyAndALetterOutOfRangeIsExplained) {
    const auto c = std::make_shared<const Construction>(shippedConstruction("threesides"));
    const kit::Exercise e = constructionExerciseKinds(c)[0].generate(3);
    for (const std::string& wrong : otherLetters(e)) {
        const kit::Verdict v = e.check(wrong);
        EXPECT_FALSE(v.correct);
        EXPECT_EQ(v.message.rfind("Not " + wrong, 0) == 0 || v.message.rfind("Type one", 0) == 0,
                  true)
            << v.message;
    }
    EXPECT_EQ(e.check("Z").message.rfind("Type one of the letters A to", 0), 0u);
    EXPECT_TRUE(e.check(" " + e.expectedAnswer + " ").correct);
}
