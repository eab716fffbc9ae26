// The quiz over many seeds: four different choices, exactly one of them right by a second
// reckoning from the entries, the same question for the same seed.
#include "chronicle/core/quiz.h"
#include "entries_on_disk.h"

#include <gtest/gtest.h>

#include <set>

using namespace chronicle;

namespace {

constexpr kit::Seed seeds = 1500;

const Entry& entryNamedInTest(const std::string& name) {
    for (const Entry& entry : theHistory().entries)
        if (entry.name == name)
            return entry;
    throw std::runtime_error("no entry " + name);
}

// The century of a year, reckoned again: the 1st century runs from 1 to 100, the 1st century
// BCE from 100 BCE to 1 BCE.
std::string centuryAgain(int year) {
    const int number = year > 0 ? (year + 99) / 100 : (-year + 99) / 100;
    std::string suffix = "th";
    if (number % 100 < 11 || number % 100 > 13) {
        if (number % 10 == 1)
            suffix = "st";
        if (number % 10 == 2)
            suffix = "nd";
        if (number % 10 == 3)
            suffix = "rd";
    }
    return std::to_string(number) + suffix + " century" + (year < 0 ? " BCE" : "");
}

int yearOnRecord(const Entry& entry) {
    if (entry.born)
        return entry.born->value;
    return entry.flourished ? entry.flourished->value : entry.date->value;
}

void expectFourDifferentChoices(const Question& q) {
    ASSERT_EQ(q.choices.size(), 4u) << q.prompt;
    EXPECT_EQ(std::set<std::string>(q.choices.begin(), q.choices.end()).size(), 4u) << q.prompt;
    ASSERT_LT(q.rightChoice, 4u);
}

} // namespace

TEST(Quiz, WhoQuestionsHaveExactlyOnePersonWithThoseDeeds) {
    for (kit::Seed seed = 0; seed < seeds; ++seed) {
        const Question q = makeQuestion(theHistory(), QuestionKind::who, seed);
        expectFourDifferentChoices(q);
        int fitting = 0;
        for (std::size_t i = 0; i < q.choices.size(); ++i) {
            const Entry& person = entryNamedInTest(q.choices[i]);
            EXPECT_EQ(person.kind, EntryKind::person);
            if ("Who " + person.knownFor + "?" == q.prompt) {
                ++fitting;
                EXPECT_EQ(i, q.rightChoice);
            }
        }
        EXPECT_EQ(fitting, 1) << q.prompt;
        EXPECT_EQ(theHistory().entries[q.answerEntry].name, q.choices[q.rightChoice]);
    }
}

TEST(Quiz, WhenQuestionsHaveExactlyOneRightCentury) {
    std::set<std::string> asked;
    for (kit::Seed seed = 0; seed < seeds; ++seed) {
        const Question q = makeQuestion(theHistory(), QuestionKind::when, seed);
        expectFourDifferentChoices(q);
        const Entry& entry = theHistory().entries[q.answerEntry];
        EXPECT_NE(q.prompt.find(entry.name), std::string::npos);
        const int year = yearOnRecord(entry);
        const std::string right = centuryAgain(year);
        int fitting = 0;
        for (std::size_t i = 0; i < q.choices.size(); ++i)
            if (q.choices[i] == right) {
                ++fitting;
                EXPECT_EQ(i, q.rightChoice);
            }
        EXPECT_EQ(fitting, 1) << q.prompt << " " << right;
        for (const std::string& choice : q.choices)
            EXPECT_NE(choice.rfind("0th", 0), 0u) << "there is no century 0";
        if (entry.born
                ? entry.born->approximate
                : (entry.flourished ? entry.flourished->approximate : entry.date->approximate)) {
            EXPECT_EQ(centuryAgain(year - 10), right) << "a rough year near a century's turn";
            EXPECT_EQ(centuryAgain(year + 10), right) << "a rough year near a century's turn";
        }
        asked.insert(q.prompt);
    }
    EXPECT_GE(asked.size(), 80u) << "the questions range over the entries";
}

TEST(Quiz, WhichFirstQuestionsHaveOneClearlyEarliestChoice) {
    int personQuestions = 0;
    for (kit::Seed seed = 0; seed < seeds; ++seed) {
        const Question q = makeQuestion(theHistory(), QuestionKind::whichFirst, seed);
        expectFourDifferentChoices(q);
        ASSERT_EQ(q.choiceEntries.size(), 4u);
        const bool byBirth = q.prompt == "Who was born first?";
        personQuestions += byBirth;
        std::vector<int> years;
        for (std::size_t i = 0; i < 4; ++i) {
            const Entry& entry = entryNamedInTest(q.choices[i]);
            EXPECT_EQ(theHistory().entries[q.choiceEntries[i]].name, entry.name);
            if (byBirth) {
                ASSERT_TRUE(entry.born.has_value()) << entry.name;
                years.push_back(entry.born->value);
            } else {
                ASSERT_TRUE(entry.date.has_value()) << entry.name;
                years.push_back(entry.date->value);
            }
        }
        const int earliest = *std::min_element(years.begin(), years.end());
        EXPECT_EQ(std::count(years.begin(), years.end(), earliest), 1) << q.prompt;
        EXPECT_EQ(years[q.rightChoice], earliest);
        for (std::size_t i = 0; i < 4; ++i)
            if (i != q.rightChoice) {
                EXPECT_GE(years[i] - earliest, 1);
            }
    }
    EXPECT_GT(personQuestions, static_cast<int>(seeds) / 4);
    EXPECT_LT(personQuestions, static_cast<int>(seeds) * 3 / 4);
}

TEST(Quiz, TheSameSeedGivesTheSameQuestion) {
    for (kit::Seed seed : {0ull, 1ull, 42ull, 123456789ull}) {
        const Question a = makeQuestion(theHistory(), seed);
        const Question b = makeQuestion(theHistory(), seed);
        EXPECT_EQ(a.prompt, b.prompt);
        EXPECT_EQ(a.choices, b.choices);
        EXPECT_EQ(a.rightChoice, b.rightChoice);
    }
}

TEST(Quiz, MixedQuestionsUseEveryKindAndPlaceTheAnswerAnywhere) {
    std::set<QuestionKind> kinds;
    std::set<std::size_t> places;
    for (kit::Seed seed = 0; seed < 300; ++seed) {
        const Question q = makeQuestion(theHistory(), seed);
        kinds.insert(q.kind);
        places.insert(q.rightChoice);
    }
    EXPECT_EQ(kinds.size(), 3u);
    EXPECT_EQ(places.size(), 4u);
}

TEST(Quiz, QuestionsCanBeKeptToTheEntriesOfOneEra) {
    const Chronicle& history = theHistory();
    for (std::size_t era = 0; era < history.eras.size(); ++era) {
        SCOPED_TRACE(history.eras[era].title);
        std::vector<bool> asked(history.entries.size());
        for (std::size_t i = 0; i < asked.size(); ++i)
            asked[i] = history.entries[i].era == era;
        for (kit::Seed seed = 0; seed < 200; ++seed) {
            const bool hasPersons =
                std::any_of(history.entries.begin(), history.entries.end(), [&](const Entry& e) {
                    return e.era == era && e.kind == EntryKind::person;
                });
            const Question who = makeQuestion(history, QuestionKind::who, seed, asked);
            EXPECT_EQ(asked[who.answerEntry], hasPersons) << "persons of another era otherwise";
            const Question when = makeQuestion(history, QuestionKind::when, seed, asked);
            EXPECT_TRUE(asked[when.answerEntry]) << when.prompt;
            const Question first = makeQuestion(history, QuestionKind::whichFirst, seed, asked);
            for (std::size_t shown : first.choiceEntries)
                EXPECT_TRUE(asked[shown]) << first.prompt;
        }
    }
}

TEST(Quiz, AskingAboutOneEntryStillMakesAFullQuestion) {
    const Chronicle& history = theHistory();
    std::vector<bool> asked(history.entries.size(), false);
    const std::size_t euler = *entryNamed(history, "Leonhard Euler");
    asked[euler] = true;
    for (kit::Seed seed = 0; seed < 50; ++seed) {
        const Question who = makeQuestion(history, QuestionKind::who, seed, asked);
        EXPECT_EQ(who.answerEntry, euler);
        EXPECT_EQ(who.choices.size(), 4u);
        const Question first = makeQuestion(history, QuestionKind::whichFirst, seed, asked);
        EXPECT_EQ(first.choices.size(), 4u) << "too few asked entries: every entry serves";
    }
}
