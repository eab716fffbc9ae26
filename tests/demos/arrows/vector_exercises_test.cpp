// The generated vector exercises over many seeds: well formed, their own answers pass, the
// typical wrong answers are refused with a reason, and each answer agrees with a computation
// of its own from the numbers in the prompt.
#include "arrows/core/exact_vector.h"
#include "arrows/core/vector_exercises.h"

#include "exercise_kind_checks.h"
#include "exercise_properties.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace arrows;

namespace {

constexpr int seeds = 300;

// The vectors written in a prompt, in order: "(3, -1)" groups of integers.
std::vector<std::vector<long>> vectorsIn(const std::string& prompt) {
    std::vector<std::vector<long>> found;
    const std::regex group("\\(([-0-9, ]+)\\)");
    for (auto it = std::sregex_iterator(prompt.begin(), prompt.end(), group);
         it != std::sregex_iterator(); ++it)
        found.push_back(demo_test::integersIn((*it)[1].str()));
    return found;
}

std::vector<std::string> sameVectorWithOneComponentOff(const kit::Exercise& e) {
    const auto parsed = parseVector(
        e.expectedAnswer, std::count(e.expectedAnswer.begin(), e.expectedAnswer.end(), ',') + 1);
    std::vector<std::string> wrong;
    for (std::size_t i = 0; i < parsed.value().size(); ++i) {
        ExactVector off = parsed.value();
        off[i] += 1;
        wrong.push_back(vectorText(off));
    }
    ExactVector negated = scale(-1, parsed.value());
    if (!isZero(negated))
        wrong.push_back(vectorText(negated));
    wrong.push_back("(1, 2, 3, 4)");
    return wrong;
}

} // namespace

TEST(VectorExercises, EveryKindHoldsOverManySeeds) {
    const std::vector<kit::ExerciseKind> kinds = vectorExerciseKinds();
    ASSERT_GE(kinds.size(), 3u);
    for (const kit::ExerciseKind& kind : kinds) {
        exercise_checks::WrongAnswers wrong = sameVectorWithOneComponentOff;
        if (kind.id == "vector-length" || kind.id == "dot-product" || kind.id == "angle-between")
            wrong = [](const kit::Exercise& e) {
                std::vector<std::string> answers{e.expectedAnswer + "1", "(1, 2)"};
                if (e.expectedAnswer != "0")
                    answers.push_back("-" + e.expectedAnswer);
                return answers;
            };
        exercise_checks::checkKindOverSeeds(kind, seeds, wrong);
    }
}

TEST(VectorExercises, CombinationsAndCrossProductsAgreeWithThePromptsNumbers) {
    for (kit::Seed seed = 0; seed < seeds; ++seed) {
        const kit::Exercise cross = crossProductKind().generate(seed);
        const auto v = vectorsIn(cross.prompt);
        ASSERT_EQ(v.size(), 2u) << cross.prompt;
        const auto& a = v[0];
        const auto& b = v[1];
        const std::vector<long> c{a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                                  a[0] * b[1] - a[1] * b[0]};
        EXPECT_EQ(demo_test::integersIn(cross.expectedAnswer), c) << cross.prompt;

        const kit::Exercise d = dotProductKind().generate(seed);
        const auto w = vectorsIn(d.prompt);
        long sum = 0;
        for (std::size_t i = 0; i < w[0].size(); ++i)
            sum += w[0][i] * w[1][i];
        EXPECT_EQ(d.expectedAnswer, std::to_string(sum)) << d.prompt;
    }
}

TEST(VectorExercises, LengthsAndAnglesAgreeWithFloatingPoint) {
    for (kit::Seed seed = 0; seed < seeds; ++seed) {
        const kit::Exercise length = lengthKind().generate(seed);
        const auto a = vectorsIn(length.prompt).at(0);
        double square = 0;
        for (long x : a)
            square += static_cast<double>(x * x);
        // The expected text k√m/n read back as a number.
        std::string text = length.expectedAnswer;
        const auto root = text.find("\u221a");
        double value = 0;
        if (root == std::string::npos) {
            value = std::stod(text);
        } else {
            const double k = root == 0 ? 1.0 : std::stod(text.substr(0, root));
            const std::string rest = text.substr(root + 3);
            const auto slash = rest.find('/');
            const double m = std::stod(rest.substr(0, slash));
            const double n = slash == std::string::npos ? 1.0 : std::stod(rest.substr(slash + 1));
            value = k * std::sqrt(m) / n;
        }
        EXPECT_NEAR(value, std::sqrt(square), 1e-9) << length.prompt;

        const kit::Exercise angle = angleKind().generate(seed);
        const auto v = vectorsIn(angle.prompt);
        const double dotAB = static_cast<double>(v[0][0] * v[1][0] + v[0][1] * v[1][1]);
        const double cosine = dotAB / std::hypot(v[0][0], v[0][1]) / std::hypot(v[1][0], v[1][1]);
        EXPECT_NEAR(std::stod(angle.expectedAnswer),
                    std::acos(std::clamp(cosine, -1.0, 1.0)) * 180 / M_PI, 1e-6)
            << angle.prompt;
    }
}

TEST(VectorExercises, CombinationPromptsNeverAddANegativeTerm) {
    for (kit::Seed seed = 0; seed < seeds; ++seed) {
        const std::string prompt = linearCombinationKind().generate(seed).prompt;
        EXPECT_EQ(prompt.find("+ -"), std::string::npos) << prompt;
    }
}

TEST(VectorExercises, TypedAnswersGetReasons) {
    const auto length = expectLength(12);
    EXPECT_TRUE(length("2\u221a3").correct);
    EXPECT_TRUE(length("2sqrt(3)").correct);
    EXPECT_NE(length("sqrt(12)").message.find("not simplified"), std::string::npos);
    EXPECT_NE(length("-2\u221a3").message.find("never negative"), std::string::npos);
    EXPECT_FALSE(length("3.46").correct);
    EXPECT_TRUE(expectLength(25)("5").correct);
    EXPECT_FALSE(expectLength(25)("\u221a25").correct);

    const auto vector = expectVector({3, mpq_class(-1, 2)});
    EXPECT_TRUE(vector("(3, -0.5)").correct);
    EXPECT_EQ(vector("(3, 1/2)").message, "Not right: the second component is wrong.");
    EXPECT_EQ(vector("(2, 1/2)").message, "Not right: 2 components are wrong.");
    EXPECT_EQ(vector("(3, -1/2, 0)").message, "expected 2 components, got 3");
    EXPECT_FALSE(vector("(3, 1/0)").correct);
}
