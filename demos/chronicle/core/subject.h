#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace chronicle {

// The course subjects an entry of the history belongs to.
enum class Subject { algebra, numberTheory, geometry, probability, statistics, calculus };

// A lesson program of the course that teaches a subject: its program name (as the course's
// list of programs spells it) and the title a learner sees on its button.
struct LessonProgram {
    std::string program;
    std::string title;
};

const std::vector<Subject>& allSubjects();

// "number theory" as the entries write it.
std::string subjectName(Subject subject);
std::optional<Subject> subjectNamed(std::string_view name);

// The lesson programs that teach the subject, the first being the main one.
std::vector<LessonProgram> lessonProgramsFor(Subject subject);

} // namespace chronicle
