#pragma once

#include <array>
#include <string_view>

namespace journal {

// A subject whose study time the lesson programs keep, in the file named here.
struct StudySubject {
    std::string_view fileName;       // "geo.ti"
    std::string_view title;          // "Geometry"
    std::string_view lessonPrograms; // which lesson programs count into the file
};

inline constexpr std::array<StudySubject, 5> studySubjects{{
    {"geo.ti", "Geometry", "shapes"},
    {"pro.ti", "Probability", "chances"},
    {"number.ti", "Number Theory", "numbertheory"},
    {"algebra.ti", "Algebra", "numbersystems, ringsfields, setsrelations, vectorlessons"},
    {"calculus.ti", "Calculus", "fluxions"},
}};

} // namespace journal
