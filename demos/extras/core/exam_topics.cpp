#include "extras/core/exam_topics.h"

#include "addmult/core/ring_exercises.h"
#include "angles/core/angle_exercises.h"
#include "areas/core/area_exercises.h"
#include "continuity/core/limit_exercises.h"
#include "dataanalysis/core/exercises.h"
#include "divisors/core/exercises.h"
#include "equations/core/exercises.h"
#include "fractiondrill/core/fraction_exercises.h"
#include "grids/core/grid_exercises.h"
#include "planesurface/core/area_exercises.h"
#include "progressions/core/progression_exercises.h"
#include "slopes/core/slope_exercises.h"
#include "solids/core/solid_exercises.h"

namespace extras {
namespace {

std::vector<kit::ExerciseKind> joined(std::vector<kit::ExerciseKind> first,
                                      const std::vector<kit::ExerciseKind>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::vector<ExamTopic> makeTopics() {
    return {
        {"number-theory", "Number theory", 0, "divisors", "numbertheory lessons, divisors",
         divisors::exerciseKinds()},
        {"fractions", "Numbers and fractions", 0, "fractiondrill",
         "numbersystems lessons, fractiondrill", fractiondrill::fractionExerciseKinds()},
        {"equations", "Equations and inequalities", 0, "equations",
         "ringsfields lessons, equations", equations::exerciseKinds()},
        {"rings-matrices", "Rings and matrices", 0, "grids", "ringsfields lessons, addmult, grids",
         joined(addmult::exerciseKinds(), grids::gridExerciseKinds())},
        {"plane-geometry", "Plane geometry", 1, "planesurface", "shapes lessons, planesurface",
         planesurface::areaExerciseKinds()},
        {"solid-geometry", "Solid geometry", 1, "solids", "shapes lessons, solids",
         solids::exerciseKinds()},
        {"probability", "Probability", 1, "chances", "chances lessons", {}},
        {"statistics", "Statistics", 1, "dataanalysis", "dataanalysis",
         dataanalysis::exerciseKinds()},
        {"sequences-series", "Sequences and series", 2, "progressions", "progressions",
         progressions::exerciseKinds()},
        {"calculus", "Limits, derivatives and integrals", 2, "fluxions",
         "fluxions lessons, angles, continuity, slopes, areas",
         joined(joined(joined(angles::exerciseKinds(), continuity::exerciseKinds()),
                       slopes::exerciseKinds()),
                areas::exerciseKinds())},
        {"history", "History of mathematics", 2, "chronicle", "chronicle", {}},
    };
}

} // namespace

const std::vector<ExamTopic>& examTopics() {
    static const std::vector<ExamTopic> topics = makeTopics();
    return topics;
}

std::vector<const ExamTopic*> topicsOfSubtest(int subtest) {
    std::vector<const ExamTopic*> found;
    for (const ExamTopic& topic : examTopics())
        if (topic.subtest == subtest)
            found.push_back(&topic);
    return found;
}

const ExamTopic* findTopic(std::string_view id) {
    for (const ExamTopic& topic : examTopics())
        if (topic.id == id)
            return &topic;
    return nullptr;
}

} // namespace extras
