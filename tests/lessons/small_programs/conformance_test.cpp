// Each of the five smaller lesson programs against the transcription of its tables. Every
// test checks one kind of fact on all Pages of one program and names every Page that is
// wrong.
#include "engine/core/choice_line.h"
#include "faults.h"
#include "small_program.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace small_programs;
using engine::PageSource;

namespace {

class Conformance : public ::testing::TestWithParam<std::string> {
  protected:
    const SmallProgram& program = smallProgram(GetParam());
    const ProgramTables& tables = program.tables;
    Faults faults{GetParam()};

    // Calls check(expected, actual) for every Page of the table, and reports the Pages
    // that the catalogue folder lacks.
    template <typename Check> void forEachPage(Check check) {
        for (const auto& expected : tables.pages) {
            const PageSource* actual = program.sourcePage(expected.number);
            if (!actual)
                faults.add(expected.number, "missing from lessons/" + program.name);
            else
                check(expected, *actual);
        }
    }
};

std::string lineList(const std::vector<int>& lines) {
    std::string out;
    for (int i : lines)
        out += (out.empty() ? "" : " ") + std::to_string(i);
    return out.empty() ? "none" : out;
}

std::vector<int> nonEmptyLines(const PageSource& page) {
    std::vector<int> out;
    for (int i = 1; i <= 17; ++i)
        if (!textLine(page, i).empty())
            out.push_back(i);
    return out;
}

std::string placement(const engine::PicturePlacement& p) {
    std::string out = p.file + " in slot " + std::to_string(p.slot) + " at (" +
                      std::to_string(p.x) + ", " + std::to_string(p.y) + ")";
    if (p.stretchWidth || p.stretchHeight)
        out += " stretched";
    return out;
}

std::string placements(const std::vector<engine::PicturePlacement>& pictures) {
    std::string out;
    for (const auto& p : pictures)
        out += (out.empty() ? "" : "; ") + placement(p);
    return out.empty() ? "none" : out;
}

int sentenceCount(const std::string& text) {
    int count = 1;
    for (std::size_t at = text.find(". "); at != std::string::npos; at = text.find(". ", at + 2))
        ++count;
    return count;
}

std::string joinedSummary(const ExpectedLesson& lesson) {
    std::string out;
    for (const auto& line : lesson.summaryLines)
        out += (out.empty() ? "" : "\n") + line;
    return out;
}

} // namespace

TEST_P(Conformance, CatalogueAndTranscriptionReadWithoutFaults) {
    for (const auto& error : program.source.errors)
        faults.add("catalogue: " + error);
    for (const auto& error : tables.errors)
        faults.add("transcription: " + error);
    EXPECT_TRUE(faults.empty()) << faults.report();
    EXPECT_EQ(static_cast<int>(tables.pages.size()), tables.program.pageCount)
        << "the transcription lists every Page";
}

TEST_P(Conformance, ProgramSettings) {
    const auto& actual = program.source.settings;
    const auto& expected = tables.program;
    EXPECT_EQ(actual.name, expected.name);
    EXPECT_EQ(actual.lessonCount, expected.lessonCount);
    EXPECT_EQ(program.source.declaredPageCount, expected.pageCount);
    EXPECT_EQ(actual.fontFace, expected.fontFace);
    EXPECT_EQ(actual.studyTimeFile, expected.studyTimeFile);
    EXPECT_EQ(actual.savedPlace.filter, expected.savedPlaceFilter);
    EXPECT_EQ(actual.savedPlace.extension, expected.savedPlaceExtension);
}

TEST_P(Conformance, HoldsEveryPageOnceInOrder) {
    const auto& pages = program.source.pages;
    for (std::size_t i = 0; i < pages.size(); ++i)
        if (pages[i].number != static_cast<int>(i) + 1)
            faults.add(pages[i].number, "stands where Page " + std::to_string(i + 1) +
                                            " belongs (" + pages[i].origin + ")");
    if (pages.size() != tables.pages.size())
        faults.add("holds " + std::to_string(pages.size()) + " Pages, expected " +
                   std::to_string(tables.pages.size()));
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST_P(Conformance, LessonAndStepTable) {
    const auto& lessons = program.source.lessons;
    if (lessons.size() != tables.lessons.size())
        faults.add("lessons.txt has " + std::to_string(lessons.size()) + " lessons, expected " +
                   std::to_string(tables.lessons.size()) + " (a lesson beyond the count " +
                   "would give a hidden button a tooltip)");
    for (const auto& expected : tables.lessons) {
        const std::string name = "lesson " + std::to_string(expected.number);
        if (expected.number > static_cast<int>(lessons.size()))
            continue;
        const auto& actual = lessons[static_cast<std::size_t>(expected.number - 1)];
        if (actual.firstPage != expected.firstPage)
            faults.add(name + " starts at Page " + std::to_string(actual.firstPage) +
                       ", expected " + std::to_string(expected.firstPage));
        if (actual.stepFirstPages != expected.stepFirstPages ||
            actual.stepButtonCount != static_cast<int>(expected.stepFirstPages.size()))
            faults.add(name + "'s Steps start at Pages " + lineList(actual.stepFirstPages) +
                       ", expected " + lineList(expected.stepFirstPages));
        if (actual.title != expected.title)
            faults.add(name + " is titled " + shown(actual.title) + ", expected " +
                       shown(expected.title));
    }
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST_P(Conformance, Tooltips) {
    const auto& lessons = program.source.lessons;
    for (const auto& expected : tables.lessons) {
        if (expected.number > static_cast<int>(lessons.size()))
            continue; // reported with the lesson table
        const auto& actual = lessons[static_cast<std::size_t>(expected.number - 1)];
        const std::string name = "lesson " + std::to_string(expected.number) + "'s tooltip ";
        const std::string& summary = actual.summary;
        if (actual.tooltip() != actual.title + "\n\n" + summary)
            faults.add(name + "does not join title and summary by two line feeds");
        if (!expected.summaryLines.empty() && summary != joinedSummary(expected))
            faults.add(name + "summary is " + shown(summary) + ", expected " +
                       shown(joinedSummary(expected)));
        if (!summary.starts_with(expected.summaryBegins))
            faults.add(name + "summary does not begin with " + shown(expected.summaryBegins));
        if (!summary.ends_with(expected.summaryEnds))
            faults.add(name + "summary does not end with " + shown(expected.summaryEnds));
        for (const auto& part : expected.summaryContains)
            if (summary.find(part) == std::string::npos)
                faults.add(name + "summary does not mention " + shown(part));
        const bool oneLine = summary.find('\n') == std::string::npos;
        if (expected.summarySentences &&
            (!oneLine || sentenceCount(summary) != expected.summarySentences))
            faults.add(name + "summary is not one line of " +
                       std::to_string(expected.summarySentences) + " sentences");
    }
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST_P(Conformance, LessonLayoutAndTutorOfEveryPage) {
    forEachPage([&](const ExpectedPage& expected, const PageSource& actual) {
        const auto& entry = actual.entry;
        if (entry.lesson != expected.lesson)
            faults.add(expected.number, "belongs to lesson " + std::to_string(entry.lesson) +
                                            ", expected " + std::to_string(expected.lesson));
        if (entry.layout != expected.layout)
            faults.add(expected.number, expected.layout == engine::RecordLayout::Question
                                            ? "is a text Page, expected a question"
                                            : "is a question, expected a text Page");
        if (entry.tutorShown != expected.tutorShown)
            faults.add(expected.number, expected.tutorShown ? "does not show the tutor"
                                                            : "shows the tutor, expected not");
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST_P(Conformance, ExactlyTheTranscribedLinesHaveText) {
    forEachPage([&](const ExpectedPage& expected, const PageSource& actual) {
        const std::vector<int> want(expected.nonEmptyLines.begin(), expected.nonEmptyLines.end());
        if (!expected.linesGiven)
            faults.add(expected.number, "the transcription gives no 'lines' entry");
        else if (nonEmptyLines(actual) != want)
            faults.add(expected.number, "text on lines " + lineList(nonEmptyLines(actual)) +
                                            ", expected " + lineList(want));
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST_P(Conformance, QuotedTextLines) {
    forEachPage([&](const ExpectedPage& expected, const PageSource& actual) {
        const auto check = [&](const std::vector<QuotedLine>& lines, const std::string& how,
                               auto matches) {
            for (const auto& line : lines)
                if (!matches(textLine(actual, line.number), line.text))
                    faults.add(expected.number, "line " + std::to_string(line.number) + " is " +
                                                    shown(textLine(actual, line.number)) +
                                                    ", expected " + how + shown(line.text));
        };
        check(expected.exactLines, "", [](auto& a, auto& e) { return a == e; });
        check(expected.beginnings, "it to begin with ",
              [](auto& a, auto& e) { return a.starts_with(e); });
        check(expected.endings, "it to end with ", [](auto& a, auto& e) { return a.ends_with(e); });
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST_P(Conformance, TutorSpeechLines) {
    forEachPage([&](const ExpectedPage& expected, const PageSource& actual) {
        std::vector<std::string> want(11);
        for (const auto& line : expected.speech)
            if (line.number >= 1 && line.number <= 10)
                want[static_cast<std::size_t>(line.number)] = line.text;
        for (int k = 1; k <= 10; ++k)
            if (speechLine(actual, k) != want[static_cast<std::size_t>(k)])
                faults.add(expected.number, "speech line " + std::to_string(k) + " is " +
                                                shown(speechLine(actual, k)) + ", expected " +
                                                shown(want[static_cast<std::size_t>(k)]));
        if (!expected.speech.empty() && !expected.tutorShown)
            faults.add(expected.number, "has speech but the tutor is not shown");
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST_P(Conformance, PicturesTheirSlotsAndPoints) {
    forEachPage([&](const ExpectedPage& expected, const PageSource& actual) {
        if (actual.entry.pictures != expected.pictures)
            faults.add(expected.number, "pictures " + placements(actual.entry.pictures) +
                                            ", expected " + placements(expected.pictures));
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST_P(Conformance, DemonstrationPrograms) {
    forEachPage([&](const ExpectedPage& expected, const PageSource& actual) {
        if (actual.entry.program != expected.program)
            faults.add(expected.number, "starts " + shown(actual.entry.program) + ", expected " +
                                            shown(expected.program));
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST_P(Conformance, AnswerButtonsAndAnswerLetters) {
    forEachPage([&](const ExpectedPage& expected, const PageSource& actual) {
        std::vector<int> withButtons;
        if (!actual.entry.tutorShown)
            for (int i = 1; i <= 17; ++i)
                if (engine::hasAnswerButton(textLine(actual, i)))
                    withButtons.push_back(i);
        std::vector<int> choices;
        for (const auto& choice : expected.choices) {
            choices.push_back(choice.number);
            if (textLine(actual, choice.number) != choice.text)
                faults.add(expected.number, "choice line " + std::to_string(choice.number) +
                                                " is " + shown(textLine(actual, choice.number)) +
                                                ", expected " + shown(choice.text));
        }
        if (withButtons != choices)
            faults.add(expected.number, "answer buttons beside lines " + lineList(withButtons) +
                                            ", expected " + lineList(choices));
        if (actual.answer != expected.answer)
            faults.add(expected.number, "answer letter " + shown(actual.answer) + ", expected " +
                                            shown(expected.answer));
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST_P(Conformance, NoLabelsFieldsOrDoneButtons) {
    forEachPage([&](const ExpectedPage& expected, const PageSource& actual) {
        const auto& e = actual.entry;
        if (!e.labels.empty() || !e.fields.empty() || e.doneButton)
            faults.add(expected.number, "has labels, fill-in fields or a Done button");
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST_P(Conformance, EveryQuestionIsFollowedByASolutionRepeatingTheRightChoice) {
    forEachPage([&](const ExpectedPage& expected, const PageSource& actual) {
        if (actual.entry.layout != engine::RecordLayout::Question)
            return;
        const PageSource* solution = program.sourcePage(expected.number + 1);
        if (!solution || solution->entry.layout != engine::RecordLayout::Text)
            return faults.add(expected.number, "is not followed by a solution text Page");
        if (!textLine(*solution, 1).empty())
            faults.add(expected.number + 1, "line 1 must stay empty for the verdict");
        std::string right;
        for (int i = 1; i <= 17; ++i)
            if (engine::hasAnswerButton(textLine(actual, i)) && !actual.answer.empty() &&
                textLine(actual, i)[0] == actual.answer[0] - 'a' + 'A')
                right = "  " + textLine(actual, i);
        const auto lines = nonEmptyLines(*solution);
        const bool repeated = std::any_of(lines.begin(), lines.end(),
                                          [&](int i) { return textLine(*solution, i) == right; });
        if (right.empty() || !repeated)
            faults.add(expected.number + 1,
                       "does not repeat the right choice " + shown(right) + " after two blanks");
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

INSTANTIATE_TEST_SUITE_P(SmallPrograms, Conformance, ::testing::ValuesIn(smallProgramNames()),
                         [](const auto& test) { return test.param; });
