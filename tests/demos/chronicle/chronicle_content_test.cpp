// The entries themselves: enough of them in every era, dates that agree with each other and
// with their era, subjects whose lesson programs are on the course's list, accounts of 80 to
// 200 words, and persons whose deeds do not give their names away in the quiz.
#include "entries_on_disk.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <regex>
#include <set>

using namespace chronicle;

namespace {

// A second count of years between two dates, written without the library's helper: the
// common calendar has no year 0.
int lifespan(int born, int died) {
    return born < 0 && died > 0 ? died - born - 1 : died - born;
}

std::string describe(const Entry& entry) {
    return entry.name + " (" + entry.source.file + ", line " + std::to_string(entry.source.line) +
           ")";
}

std::set<std::string> courseProgramNames() {
    std::ifstream in(COURSE_PROGRAM_LIST);
    std::stringstream text;
    text << in.rdbuf();
    std::set<std::string> names;
    const std::string all = text.str();
    const std::regex listed(R"(set\((COURSE_\w+_PROGRAMS)([^)]*)\))");
    for (auto it = std::sregex_iterator(all.begin(), all.end(), listed);
         it != std::sregex_iterator(); ++it) {
        std::istringstream words((*it)[2].str());
        std::string word;
        while (words >> word)
            if (word.front() != '#')
                names.insert(word);
    }
    return names;
}

} // namespace

TEST(ChronicleContent, EveryFileReadsWithoutFault) {
    const ReadOutcome outcome = entriesOnDisk();
    EXPECT_FALSE(outcome.error.has_value()) << outcome.error->text();
}

TEST(ChronicleContent, HasAtLeastEightyEntriesFromBabylonToTheTwentiethCentury) {
    const Chronicle& history = theHistory();
    EXPECT_GE(history.entries.size(), 80u);
    ASSERT_GE(history.eras.size(), 6u);
    EXPECT_EQ(history.eras.front().key, "babylon-egypt");
    EXPECT_EQ(history.eras.back().key, "twentieth");
    std::vector<int> perEra(history.eras.size(), 0);
    for (const Entry& entry : history.entries)
        ++perEra.at(entry.era);
    for (std::size_t era = 0; era < perEra.size(); ++era)
        EXPECT_GE(perEra[era], 5) << history.eras[era].title;
    int earliest = 3000;
    for (const Entry& entry : history.entries)
        earliest = std::min(earliest, entry.date ? entry.date->value : 3000);
    EXPECT_LE(earliest, -1800) << "Babylonian and Egyptian mathematics are there";
}

TEST(ChronicleContent, PersonsAreBornBeforeTheyDieAndLiveASaneSpan) {
    for (const Entry& entry : theHistory().entries) {
        if (entry.kind != EntryKind::person)
            continue;
        SCOPED_TRACE(describe(entry));
        ASSERT_NE(entry.born.has_value(), entry.flourished.has_value());
        if (!entry.born)
            continue;
        ASSERT_TRUE(entry.died.has_value());
        EXPECT_LT(entry.born->value, entry.died->value);
        const int years = lifespan(entry.born->value, entry.died->value);
        EXPECT_GE(years, 15);
        EXPECT_LE(years, 100);
    }
}

TEST(ChronicleContent, WorksFallWithinTheirAuthorsLivesOrJustAfter) {
    const Chronicle& history = theHistory();
    int checked = 0;
    for (const Entry& work : history.entries) {
        if (work.by.empty())
            continue;
        SCOPED_TRACE(describe(work));
        ASSERT_NE(work.kind, EntryKind::person);
        const Entry* author = nullptr;
        for (const Entry& candidate : history.entries)
            if (candidate.name == work.by)
                author = &candidate;
        ASSERT_NE(author, nullptr);
        ASSERT_EQ(author->kind, EntryKind::person);
        const int date = work.date->value;
        if (author->flourished) {
            EXPECT_LE(std::abs(date - author->flourished->value), 50);
        } else if (work.posthumous) {
            EXPECT_GT(date, author->died->value);
            EXPECT_LE(date - author->died->value, 60);
        } else {
            EXPECT_GE(lifespan(author->born->value, date), 12) << "made as a child";
            EXPECT_LE(date, author->died->value);
        }
        ++checked;
    }
    EXPECT_GE(checked, 15);
}

TEST(ChronicleContent, DatesLieInTheirEraAndBeforeTheCentury2000sEnd) {
    const Chronicle& history = theHistory();
    for (const Entry& entry : history.entries) {
        SCOPED_TRACE(describe(entry));
        const Era& era = history.eras.at(entry.era);
        const int placed = entry.born         ? entry.born->value
                           : entry.flourished ? entry.flourished->value
                                              : entry.date->value;
        EXPECT_GE(placed, era.from);
        EXPECT_LE(placed, era.to);
        EXPECT_GE(placed, -3500);
        EXPECT_LE(placed, 2000);
        if (entry.died) {
            EXPECT_LE(entry.died->value, 2000);
        }
    }
}

TEST(ChronicleContent, EraSpansFollowEachOther) {
    const auto& eras = theHistory().eras;
    for (std::size_t i = 1; i < eras.size(); ++i) {
        EXPECT_LE(eras[i - 1].from, eras[i].from) << eras[i].title;
        EXPECT_LE(eras[i - 1].to, eras[i].to) << eras[i].title;
    }
}

int wordCount(const std::string& text) {
    std::istringstream words(text);
    std::string word;
    int count = 0;
    while (words >> word)
        ++count;
    return count;
}

TEST(ChronicleContent, AccountsHaveEightyToTwoHundredWords) {
    for (const Entry& entry : theHistory().entries) {
        EXPECT_GE(wordCount(entry.account), 80) << describe(entry);
        EXPECT_LE(wordCount(entry.account), 200) << describe(entry);
    }
    for (const Era& era : theHistory().eras) {
        EXPECT_GE(wordCount(era.account), 80) << era.title;
        EXPECT_LE(wordCount(era.account), 200) << era.title;
    }
}

TEST(ChronicleContent, EverySubjectIsTaughtByAProgramOnTheCoursesList) {
    const auto programs = courseProgramNames();
    ASSERT_TRUE(programs.count("menu")) << "the list was read";
    const std::set<std::string> subjectsOfTheCourse{"algebra",     "number theory", "geometry",
                                                    "probability", "statistics",    "calculus"};
    std::set<std::string> used;
    for (const Entry& entry : theHistory().entries) {
        EXPECT_FALSE(entry.subjects.empty()) << describe(entry);
        for (Subject subject : entry.subjects) {
            EXPECT_TRUE(subjectsOfTheCourse.count(subjectName(subject))) << describe(entry);
            used.insert(subjectName(subject));
        }
    }
    EXPECT_EQ(used, subjectsOfTheCourse) << "every subject has entries";
    for (Subject subject : allSubjects()) {
        const auto lessons = lessonProgramsFor(subject);
        ASSERT_FALSE(lessons.empty()) << subjectName(subject);
        for (const LessonProgram& lesson : lessons)
            EXPECT_TRUE(programs.count(lesson.program)) << lesson.program;
    }
    EXPECT_EQ(lessonProgramsFor(Subject::geometry).front().program, "shapes");
    EXPECT_EQ(lessonProgramsFor(Subject::statistics).front().program, "dataanalysis");
}

TEST(ChronicleContent, PersonsDeedsDoNotNameThem) {
    for (const Entry& entry : theHistory().entries) {
        if (entry.kind != EntryKind::person)
            continue;
        EXPECT_FALSE(entry.knownFor.empty()) << describe(entry);
        std::string lowerDeeds;
        for (char c : entry.knownFor)
            lowerDeeds += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        std::istringstream parts(entry.name);
        std::string part;
        while (parts >> part) {
            std::string lower;
            for (char c : part)
                if (std::isalpha(static_cast<unsigned char>(c)))
                    lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (lower.size() >= 5) {
                EXPECT_EQ(lowerDeeds.find(lower), std::string::npos)
                    << describe(entry) << " gives away " << part;
            }
        }
    }
}

TEST(ChronicleContent, NamesAndDeedsAreUnique) {
    std::set<std::string> names, deeds;
    for (const Entry& entry : theHistory().entries) {
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
        if (entry.kind == EntryKind::person) {
            EXPECT_TRUE(deeds.insert(entry.knownFor).second) << entry.name;
        }
    }
}
