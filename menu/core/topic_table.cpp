#include "menu/core/topic_table.h"

#include "menu/core/section_table.h"

#include <array>

namespace menu {
namespace {

constexpr std::array<Topic, 16> subtestOneTopics{{
    {6, "Sets", "collections.exe"},
    {7, "Advanced Relations and Operations", "mappings.exe"},
    {8, "Natural Numbers", "counting.exe"},
    {9, "Integers", "signednumbers.exe"},
    {10, "Advanced Integers", "signednumbers2.exe"},
    {11, "Rational Numbers", "fractiondrill.exe"},
    {12, "Real Numbers", "decimals.exe"},
    {13, "Complex Numbers", "imaginaries.exe"},
    {14, "Rings", "addmult.exe"},
    {15, "More Rings Fields and Integral Domains", "fieldsplus.exe"},
    {16, "Polynomial Equations and Inequalities", "equations.exe"},
    {17, "Functions and Graphs", "graphs.exe"},
    {18, "Matrices", "grids.exe"},
    {19, "More Matrices", "grids2.exe"},
    {20, "Vectors", "arrows.exe"},
    {21, "Number Theory", "numbertheory.exe"},
}};

// "Regular Polyhedrons" came later than the rest and got the next free number, 42; it is
// listed with the other geometry Topics.
constexpr std::array<Topic, 15> subtestTwoTopics{{
    {22, "Parallelism", "shapes.exe"},
    {23, "Plane Euclidean Geometry", "shapes.exe"},
    {24, "Three-Dimensional Geometry", "shapes.exe"},
    {25, "Transformational Geometry", "shapes.exe"},
    {42, "Regular Polyhedrons", "shapes.exe"},
    {26, "Permutations", "chances.exe"},
    {27, "Combinations", "chances.exe"},
    {28, "Finite Probability", "chances.exe"},
    {29, "Conditional Probability", "chances.exe"},
    {30, "Distributions and Probability Trees", "chances.exe"},
    {31, "The Mean, Median, and Mode", "dataanalysis.exe"},
    {32, "Measures of Variability--Range, Variance, Standard Deviation, and Quartiles",
     "dataanalysis.exe"},
    {33, "Methods of Sampling", "dataanalysis.exe"},
    {34, "The Method of Least Squares", "dataanalysis.exe"},
    {35, "The Chi Square Test", "dataanalysis.exe"},
}};

constexpr std::array<Topic, 6> subtestThreeTopics{{
    {36, "Trigonometry", "angles.exe"},
    {37, "Limits and Continuity", "continuity.exe"},
    {38, "Derivatives", "slopes.exe"},
    {39, "Integrals", "areas.exe"},
    {40, "Sequences and Series", "progressions.exe"},
    {41, "History of Mathematics", "chronicle.exe"},
}};

const std::array<TopicGroup, 3> groups{{
    {sectionTexts[0], subtestOneTopics},
    {sectionTexts[1], subtestTwoTopics},
    {sectionTexts[2], subtestThreeTopics},
}};

} // namespace

std::span<const TopicGroup> topicGroups() {
    return groups;
}

const Topic* topicForCommand(int command) {
    for (const TopicGroup& group : groups)
        for (const Topic& topic : group.topics)
            if (topic.command == command)
                return &topic;
    return nullptr;
}

} // namespace menu
