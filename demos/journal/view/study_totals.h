#pragma once

#include <string>
#include <vector>

namespace journal {

struct SubjectTotal {
    std::string title;    // "Geometry"
    std::string fileName; // "geo.ti"
    std::string path;     // where the lesson programs of this installation keep it
    int minutes = 0;
};

// The study time of every subject, from the files the lesson programs in `programFolder`
// write (the same folder choice and the same reading as theirs, so a garbled file counts as
// they count it).
std::vector<SubjectTotal> readStudyTotals(const std::string& programFolder);

long long totalMinutes(const std::vector<SubjectTotal>& totals);

} // namespace journal
