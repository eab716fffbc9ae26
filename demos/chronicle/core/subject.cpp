#include "chronicle/core/subject.h"

namespace chronicle {

const std::vector<Subject>& allSubjects() {
    static const std::vector<Subject> subjects{Subject::algebra,    Subject::numberTheory,
                                               Subject::geometry,   Subject::probability,
                                               Subject::statistics, Subject::calculus};
    return subjects;
}

std::string subjectName(Subject subject) {
    switch (subject) {
    case Subject::algebra:
        return "algebra";
    case Subject::numberTheory:
        return "number theory";
    case Subject::geometry:
        return "geometry";
    case Subject::probability:
        return "probability";
    case Subject::statistics:
        return "statistics";
    case Subject::calculus:
        return "calculus";
    }
    return {};
}

std::optional<Subject> subjectNamed(std::string_view name) {
    for (Subject subject : allSubjects())
        if (subjectName(subject) == name)
            return subject;
    return std::nullopt;
}

std::vector<LessonProgram> lessonProgramsFor(Subject subject) {
    switch (subject) {
    case Subject::algebra:
        return {{"ringsfields", "Rings, Fields, and Matrices"},
                {"setsrelations", "Algebraic Structures"}};
    case Subject::numberTheory:
        return {{"numbertheory", "Number Theory"}};
    case Subject::geometry:
        return {{"shapes", "Geometry"}};
    case Subject::probability:
        return {{"chances", "Probability"}};
    case Subject::statistics:
        return {{"dataanalysis", "Data Analysis and Statistics"}};
    case Subject::calculus:
        return {{"fluxions", "Calculus"}};
    }
    return {};
}

} // namespace chronicle
