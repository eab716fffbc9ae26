#include "journal/view/study_totals.h"

#include "engine/view/study_time_file.h"
#include "journal/core/study_subjects.h"

namespace journal {

std::vector<SubjectTotal> readStudyTotals(const std::string& programFolder) {
    std::vector<SubjectTotal> totals;
    for (const StudySubject& subject : studySubjects) {
        const std::string file(subject.fileName);
        const std::string path = engine::studyTimeFilePath(programFolder, file);
        totals.push_back({std::string(subject.title), file, path, engine::readStudyTotal(path)});
    }
    return totals;
}

long long totalMinutes(const std::vector<SubjectTotal>& totals) {
    long long sum = 0;
    for (const SubjectTotal& total : totals)
        sum += total.minutes;
    return sum;
}

} // namespace journal
