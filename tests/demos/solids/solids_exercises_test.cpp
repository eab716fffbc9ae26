// The exercises over many seeds, and their answers against independent computations.
#include "solids/core/corner_angles.h"
#include "solids/core/platonic.h"
#include "solids/core/solid_exercises.h"

#include "exercise_kind_checks.h"

#include <gtest/gtest.h>

#include <regex>

using namespace solids;

namespace {

std::vector<std::string> numbersBeside(const kit::Exercise& e) {
    const long answer = std::stol(e.expectedAnswer);
    return {std::to_string(answer + 1), std::to_string(answer - 1), std::to_string(2 * answer),
            "-" + e.expectedAnswer};
}

std::vector<int> integersAfter(const std::string& text, const std::string& label) {
    std::vector<int> found;
    const std::regex pattern(label + " = (\\d+)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it)
        found.push_back(std::stoi((*it)[1]));
    return found;
}

} // namespace

TEST(SolidExercises, EveryKindIsWellFormedOverManySeeds) {
    for (const kit::ExerciseKind& kind : exerciseKinds()) {
        exercise_checks::checkKindOverSeeds(kind, 200, [&](const kit::Exercise& e) {
            if (kind.id == "corner-solid") {
                std::vector<std::string> wrong;
                for (Solid s : allSolids)
                    if (nameOf(s) != e.expectedAnswer)
                        wrong.push_back(nameOf(s));
                if (e.expectedAnswer != "none")
                    wrong.push_back("none");
                return wrong;
            }
            if (kind.id == "angle-defect" && e.expectedAnswer.find('/') != std::string::npos)
                return std::vector<std::string>{"360", "0"};
            return numbersBeside(e);
        });
    }
    EXPECT_GE(exerciseKinds().size(), 3u);
}

TEST(SolidExercises, TheCountsAskedForAreThoseOfTheMeshes) {
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise e = countsFromSymbolExercise(seed);
        const std::smatch found = [&] {
            std::smatch m;
            std::regex_search(e.prompt, m, std::regex("\\{(\\d), (\\d)\\}"));
            return m;
        }();
        ASSERT_EQ(found.size(), 3u) << e.prompt;
        const Schlafli s{std::stoi(found[1]), std::stoi(found[2])};
        const Counts counted = countsOf(meshOf(*solidWith(s)));
        const int answer = std::stoi(e.expectedAnswer);
        const Mesh mesh = meshOf(*solidWith(s));
        if (e.prompt.find("<b>vertices") != std::string::npos)
            EXPECT_EQ(answer, counted.vertices);
        else if (e.prompt.find("<b>edges") != std::string::npos)
            EXPECT_EQ(answer, counted.edges);
        else if (e.prompt.find("<b>faces</b>") != std::string::npos)
            EXPECT_EQ(answer, counted.faces);
        else if (e.prompt.find("<b>face corners") != std::string::npos)
            EXPECT_EQ(answer, 2 * counted.edges);
        else
            EXPECT_EQ(answer, 360 * (counted.vertices - 2)) << "Descartes";

        // The dual's counts: corners and faces of the solid swapped, counted on the dual mesh.
        const kit::Exercise d = dualCountsExercise(seed);
        std::smatch m;
        ASSERT_TRUE(std::regex_search(d.prompt, m, std::regex("The (\\w+) ")));
        for (Solid solid : allSolids)
            if (nameOf(solid) == m[1].str()) {
                const Mesh dualMesh = solids::dualOf(meshOf(solid));
                const Counts dual = countsOf(dualMesh);
                const int value = std::stoi(d.expectedAnswer);
                if (d.prompt.find("<b>vertices") != std::string::npos)
                    EXPECT_EQ(value, dual.vertices);
                else if (d.prompt.find("<b>edges") != std::string::npos)
                    EXPECT_EQ(value, dual.edges);
                else if (d.prompt.find("<b>faces</b>") != std::string::npos)
                    EXPECT_EQ(value, dual.faces);
                else if (d.prompt.find("<b>sides</b>") != std::string::npos)
                    EXPECT_EQ(value, static_cast<int>(dualMesh.faces.front().size()));
                else
                    EXPECT_EQ(value, facesAtCorners(dualMesh).front());
            }
    }
}

TEST(SolidExercises, EulersFormulaHoldsForEverySolidOfTheExercisesAndTheAnswerCompletesIt) {
    for (const NamedCounts& s : exerciseSolids())
        EXPECT_EQ(s.vertices - s.edges + s.faces, 2) << s.name;
    for (kit::Seed seed = 0; seed < 200; ++seed) {
        const kit::Exercise e = eulerMissingExercise(seed);
        const auto v = integersAfter(e.prompt, "V"), ed = integersAfter(e.prompt, "E"),
                   f = integersAfter(e.prompt, "F");
        ASSERT_EQ(v.size() + ed.size() + f.size(), 2u) << e.prompt;
        const int answer = std::stoi(e.expectedAnswer);
        const int V = v.empty() ? answer : v[0], E = ed.empty() ? answer : ed[0],
                  F = f.empty() ? answer : f[0];
        EXPECT_EQ(V - E + F, 2) << e.prompt;
    }
}

TEST(SolidExercises, CornerAnswersFollowTheAngleSumAndAcceptOtherNames) {
    int none = 0, some = 0;
    for (kit::Seed seed = 0; seed < 300; ++seed) {
        const kit::Exercise e = cornerSolidExercise(seed);
        std::smatch m;
        ASSERT_TRUE(std::regex_search(e.prompt, m, std::regex("corner of a solid, (\\d) ")));
        const int q = std::stoi(m[1]);
        int p = 0;
        const std::vector<std::string> plurals{"equilateral triangles", "squares",
                                               "regular pentagons",     "regular hexagons",
                                               "regular heptagons",     "regular octagons"};
        for (int sides = 3; sides <= 8; ++sides)
            if (e.prompt.find(std::string(" ") + std::to_string(q) + " " +
                              plurals[static_cast<std::size_t>(sides - 3)]) != std::string::npos)
                p = sides;
        ASSERT_NE(p, 0) << e.prompt;
        // Angles of q regular p-gons in degrees, against 360, in plain integers: q (p-2) 180 < 360
        // p.
        const bool fits = q * (p - 2) * 180 < 360 * p;
        EXPECT_EQ(e.expectedAnswer == "none", !fits) << e.prompt;
        (fits ? some : none)++;
        for (Solid other : allSolids)
            if (nameOf(other) != e.expectedAnswer) {
                const kit::Verdict wrong = e.check(" The " + nameOf(other));
                EXPECT_FALSE(wrong.correct);
                const Schlafli o = schlafliOf(other);
                EXPECT_NE(wrong.message.find("it has " + std::to_string(o.q) + " "),
                          std::string::npos)
                    << wrong.message;
            }
        if (e.expectedAnswer == "cube") {
            EXPECT_TRUE(e.check("  Hexahedron ").correct);
        }
        if (fits) {
            EXPECT_TRUE(e.check("the regular " + e.expectedAnswer).correct);
        }
    }
    EXPECT_GT(none, 20);
    EXPECT_GT(some, 100);
}

TEST(SolidExercises, DefectAnswersAreExactAndTheCornerCountsMatchKnownSolids) {
    bool sawFraction = false;
    for (kit::Seed seed = 0; seed < 300; ++seed) {
        const kit::Exercise e = angleDefectExercise(seed);
        if (e.prompt.find("<b>corners</b>") != std::string::npos) {
            const int v = std::stoi(e.expectedAnswer);
            // Every solid of this kind is one of the exercise solids (or a prism/antiprism).
            bool known = false;
            for (const NamedCounts& s : exerciseSolids())
                known = known || s.vertices == v;
            EXPECT_TRUE(known || v == 20 || v == 16 || v == 60) << e.prompt;
        } else if (e.expectedAnswer.find('/') != std::string::npos) {
            sawFraction = true;
        }
    }
    // A heptagon would give sevenths; the corners used here all have whole-degree defects,
    // and a decimal with the same value as a fraction answer is taken.
    EXPECT_FALSE(sawFraction);
    const kit::Exercise e = angleDefectExercise(3);
    if (e.prompt.find("<b>corners</b>") == std::string::npos) {
        EXPECT_TRUE(e.check(e.expectedAnswer + ".0").correct);
    }
}
