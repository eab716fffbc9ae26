#include "signednumbers/core/signed_exercises.h"

#include "demos/exercise_properties.h"

#include "kit/core/expression_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>

namespace {

using namespace signednumbers;

const kit::ExerciseKind& kindNamed(const std::string& id) {
    static const auto kinds = signedExerciseKinds();
    return demo_test::kindNamed(kinds, id);
}

TEST(SignedExercises, EveryKindIsWellFormedOverManySeeds) {
    demo_test::expectEveryKindWellFormed(signedExerciseKinds(), [](const kit::Exercise& exercise) {
        const long expected =
            std::stol(exercise.expectedAnswer.substr(0, exercise.expectedAnswer.find(',')));
        EXPECT_FALSE(exercise.check(std::to_string(expected + 1)).correct);
    });
}

TEST(SignedExercises, SumsDifferencesProductsAndQuotientsAreRight) {
    for (kit::Seed seed = 0; seed < 400; ++seed) {
        const kit::Exercise sum = kindNamed("add-subtract").generate(seed);
        const auto terms = demo_test::integersIn(sum.prompt);
        ASSERT_EQ(terms.size(), 2u) << sum.prompt;
        const bool subtract = sum.prompt.find(") &minus; ") != std::string::npos ||
                              std::regex_search(sum.prompt, std::regex("\\d &minus; "));
        EXPECT_EQ(sum.expectedAnswer,
                  std::to_string(subtract ? terms[0] - terms[1] : terms[0] + terms[1]))
            << sum.prompt;
        // The sign slip: the size is right but the sign is not.
        if (sum.expectedAnswer != "0") {
            EXPECT_FALSE(sum.check(std::to_string(-std::stol(sum.expectedAnswer))).correct);
        }

        const kit::Exercise product = kindNamed("multiply-divide").generate(seed);
        const auto factors = demo_test::integersIn(product.prompt);
        ASSERT_EQ(factors.size(), 2u);
        const bool divide = product.prompt.find("&divide;") != std::string::npos;
        if (divide) {
            ASSERT_EQ(factors[0] % factors[1], 0) << product.prompt;
        }
        EXPECT_EQ(product.expectedAnswer,
                  std::to_string(divide ? factors[0] / factors[1] : factors[0] * factors[1]));
        EXPECT_FALSE(product.check(std::to_string(-std::stol(product.expectedAnswer))).correct);
    }
}

TEST(SignedExercises, OrderAsksForTheSortedListAndRefusesAnyOtherOrder) {
    for (kit::Seed seed = 0; seed < 400; ++seed) {
        const kit::Exercise exercise = kindNamed("order").generate(seed);
        auto numbers = demo_test::integersIn(exercise.prompt);
        ASSERT_EQ(numbers.size(), 6u);
        std::sort(numbers.begin(), numbers.end());
        ASSERT_EQ(std::adjacent_find(numbers.begin(), numbers.end()), numbers.end())
            << "all different";
        std::string ascending;
        std::string descending;
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            ascending += (i ? ", " : "") + std::to_string(numbers[i]);
            descending = std::to_string(numbers[i]) + (i ? ", " : "") + descending;
        }
        EXPECT_EQ(exercise.expectedAnswer, ascending);
        EXPECT_TRUE(exercise.check("  " + ascending).correct);
        const kit::Verdict reversed = exercise.check(descending);
        EXPECT_FALSE(reversed.correct);
        EXPECT_NE(reversed.message.find("order"), std::string::npos) << reversed.message;
    }
}

// The prompt's expression put back into typed form with abs(...) for the bars.
std::string ginacForm(std::string html) {
    html = html.substr(html.find("<b>") + 3);
    html = html.substr(0, html.find("</b>"));
    html = std::regex_replace(html, std::regex("&minus;"), "-");
    html = std::regex_replace(html, std::regex("&times;"), "*");
    html = std::regex_replace(html, std::regex("&divide;"), "/");
    html = std::regex_replace(html, std::regex("<sup>"), "^(");
    html = std::regex_replace(html, std::regex("</sup>"), ")");
    std::string out;
    bool open = false;
    for (char c : html) {
        if (c == '|') {
            out += open ? ")" : "abs(";
            open = !open;
        } else {
            out += c;
        }
    }
    return out;
}

TEST(SignedExercises, ExpressionAnswersAgreeWithASecondEvaluator) {
    for (const char* id : {"absolute-value", "order-of-operations"}) {
        for (kit::Seed seed = 0; seed < 300; ++seed) {
            const kit::Exercise exercise = kindNamed(id).generate(seed);
            const std::string typed = ginacForm(exercise.prompt);
            const auto parsed = kit::Expression::parse(typed, {});
            ASSERT_TRUE(parsed.ok()) << typed << ": " << parsed.error().message;
            const auto value = parsed.value().evaluate({});
            ASSERT_TRUE(value.has_value()) << typed;
            EXPECT_EQ(std::stol(exercise.expectedAnswer), std::lround(*value)) << typed;
            const std::string shown =
                std::regex_replace(exercise.expectedAnswer, std::regex("-"), "&minus;");
            EXPECT_TRUE(exercise.solutionSteps.back().ends_with(" " + shown))
                << exercise.solutionSteps.back();
        }
    }
}

} // namespace
