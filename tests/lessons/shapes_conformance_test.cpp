// Every Page of lessons/shapes against the transcribed geometry Page table. Each test checks
// one kind of fact on all Pages and names every Page that is wrong.
#include "engine/core/choice_line.h"
#include "shapes_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace shapes;
using engine::PageSource;

namespace {

std::string kindName(PageKind kind) {
    switch (kind) {
    case PageKind::Text:
        return "a text Page";
    case PageKind::MultipleChoice:
        return "a multiple-choice question";
    case PageKind::FillIn:
        return "a fill-in question";
    }
    return {};
}

PageKind kindOf(const PageSource& page) {
    if (page.entry.layout == engine::RecordLayout::Text)
        return PageKind::Text;
    return page.entry.fields.empty() ? PageKind::MultipleChoice : PageKind::FillIn;
}

bool isQuestion(PageKind kind) {
    return kind != PageKind::Text;
}

std::string placement(const engine::PicturePlacement& p) {
    std::string out = p.file + " at (" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")";
    if (p.stretchWidth || p.stretchHeight)
        out += " stretched to " + std::to_string(p.stretchWidth) + " x " +
               std::to_string(p.stretchHeight);
    return out;
}

std::string placements(const std::vector<engine::PicturePlacement>& pictures) {
    if (pictures.empty())
        return "none";
    std::string out;
    for (const auto& p : pictures)
        out += (out.empty() ? "" : "; ") + placement(p);
    return out;
}

bool samePlacement(engine::PicturePlacement actual, const engine::PicturePlacement& expected) {
    actual.slot = expected.slot; // the table fixes no slots
    return actual == expected;
}

std::string rect(const engine::Rect& r) {
    return "(" + std::to_string(r.x) + ", " + std::to_string(r.y) + ", " + std::to_string(r.width) +
           ", " + std::to_string(r.height) + ")";
}

std::string label(const engine::ExtraLabel& l) {
    return shown(l.text) + " at (" + std::to_string(l.x) + ", " + std::to_string(l.y) + ")";
}

std::string listed(const std::vector<QuotedLine>& lines) {
    if (lines.empty())
        return "none";
    std::string out;
    for (const auto& line : lines)
        out += (out.empty() ? "" : ", ") + std::to_string(line.number) + ": " + shown(line.text);
    return out;
}

std::string joined(const std::vector<std::string>& texts, const std::string& separator) {
    std::string out;
    for (const auto& t : texts)
        out += (out.empty() ? "" : separator) + shown(t);
    return out;
}

// A choice as the learner reads it: blanks before it and runs of blanks inside do not count.
std::string choiceAsRead(const std::string& line) {
    std::string out;
    for (char c : line)
        if (c != ' ' || (!out.empty() && out.back() != ' '))
            out += c;
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

std::string pageList(const std::vector<int>& pages) {
    std::string out;
    for (int page : pages)
        out += (out.empty() ? "" : " ") + std::to_string(page);
    return out;
}

std::vector<engine::PicturePlacement> allPlacements() {
    std::vector<engine::PicturePlacement> out;
    for (const auto& page : pageTable().pages)
        out.insert(out.end(), page.pictures.begin(), page.pictures.end());
    return out;
}

} // namespace

TEST(ShapesCatalogue, ReadsWithoutFaults) {
    Faults faults;
    for (const auto& error : catalogueSource().errors)
        faults.addAsIs(error);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesCatalogue, TranscriptionIsCompleteAndReadable) {
    const PageTable& table = pageTable();
    Faults faults;
    for (const auto& error : table.errors)
        faults.addAsIs(error);
    EXPECT_TRUE(faults.empty()) << faults.report();
    EXPECT_EQ(table.pages.size(), 208u);
    EXPECT_EQ(table.lessons.size(), 5u);
    // The geometry program's own totals, as a check on the transcription itself.
    EXPECT_EQ(allPlacements().size(), 120u);
    const auto count = [&](auto predicate) {
        return std::count_if(table.pages.begin(), table.pages.end(), predicate);
    };
    EXPECT_EQ(count([](auto& p) { return p.kind == PageKind::MultipleChoice; }), 21);
    EXPECT_EQ(count([](auto& p) { return p.kind == PageKind::FillIn; }), 2);
    EXPECT_EQ(count([](auto& p) { return !p.program.empty(); }), 13);
}

TEST(ShapesCatalogue, HoldsEveryPageOnceInOrder) {
    const auto& pages = catalogueSource().pages;
    Faults faults;
    for (std::size_t i = 0; i < pages.size(); ++i)
        if (pages[i].number != static_cast<int>(i) + 1)
            faults.add(pages[i].number, "stands where Page " + std::to_string(i + 1) +
                                            " belongs (" + pages[i].origin + ")");
    if (pages.size() != pageTable().pages.size())
        faults.add("holds " + std::to_string(pages.size()) + " Pages, expected " +
                   std::to_string(pageTable().pages.size()));
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, LessonLayoutAndTutor) {
    Faults faults;
    forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        if (actual.entry.lesson != expected.lesson)
            faults.add(expected.number, "belongs to lesson " + std::to_string(actual.entry.lesson) +
                                            ", expected lesson " + std::to_string(expected.lesson));
        if (kindOf(actual) != expected.kind)
            faults.add(expected.number,
                       "is " + kindName(kindOf(actual)) + ", expected " + kindName(expected.kind));
        if (actual.entry.tutorShown != expected.tutorShown)
            faults.add(expected.number, expected.tutorShown
                                            ? "does not show the tutor, expected it"
                                            : "shows the tutor, expected it not to");
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, TextLineCounts) {
    Faults faults;
    forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        int count = 0;
        int last = 0;
        for (int i = 1; i <= 17; ++i)
            if (!textLine(actual, i).empty()) {
                ++count;
                last = i;
            }
        if (count != expected.textLineCount)
            faults.add(expected.number, std::to_string(count) + " non-empty lines, expected " +
                                            std::to_string(expected.textLineCount) +
                                            ", last line " + std::to_string(last));
        else if (last != expected.lastTextLine)
            faults.add(expected.number, "last non-empty line is " + std::to_string(last) +
                                            ", expected " + std::to_string(expected.lastTextLine));
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, QuotedTextLines) {
    Faults faults;
    forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        const auto wrong = [&](const QuotedLine& line, const std::string& how) {
            faults.add(expected.number, "line " + std::to_string(line.number) + " is " +
                                            shown(textLine(actual, line.number)) + ", expected " +
                                            how + shown(line.text));
        };
        for (const auto& line : expected.exactLines)
            if (textLine(actual, line.number) != line.text)
                wrong(line, "");
        for (const auto& line : expected.lineBeginnings)
            if (!textLine(actual, line.number).starts_with(line.text))
                wrong(line, "it to begin with ");
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, TutorSpeech) {
    Faults faults;
    forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        const int n = expected.number;
        const auto count = std::count_if(actual.speech.begin() + 1, actual.speech.end(),
                                         [](auto& s) { return !s.empty(); });
        if (count != expected.speechLineCount)
            faults.add(n, std::to_string(count) + " speech lines, expected " +
                              std::to_string(expected.speechLineCount));
        // The bubble draws lines 1..count by position, so they must stand together from line 1.
        for (int k = 1; k <= static_cast<int>(count); ++k)
            if (speechLine(actual, k).empty())
                faults.add(n, "speech line " + std::to_string(k) +
                                  " is empty, but the bubble shows lines 1.." +
                                  std::to_string(count));
        if (!speechLine(actual, 1).starts_with(expected.speechBeginning))
            faults.add(n, "speech line 1 is " + shown(speechLine(actual, 1)) +
                              ", expected it to begin with " + shown(expected.speechBeginning));
        for (const auto& line : expected.exactSpeech)
            if (speechLine(actual, line.number) != line.text)
                faults.add(n, "speech line " + std::to_string(line.number) + " is " +
                                  shown(speechLine(actual, line.number)) + ", expected " +
                                  shown(line.text));
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, Pictures) {
    Faults faults;
    forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        const auto& pictures = actual.entry.pictures;
        const bool same = std::equal(pictures.begin(), pictures.end(), expected.pictures.begin(),
                                     expected.pictures.end(), samePlacement);
        if (!same)
            faults.add(expected.number, "pictures " + placements(pictures) + ", expected " +
                                            placements(expected.pictures));
        std::set<int> slots;
        for (const auto& p : pictures)
            if (!slots.insert(p.slot).second)
                faults.add(expected.number, "two pictures share slot " + std::to_string(p.slot) +
                                                ": only the second one would be shown");
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, EveryPictureHasItsSource) {
    Faults faults;
    for (const auto& page : pageTable().pages)
        for (const auto& picture : page.pictures)
            if (!std::filesystem::exists(pictureSource(picture.file)))
                faults.add(page.number, "picture " + picture.file + " has no source " +
                                            pictureSource(picture.file).filename().string());
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, AnswerLetters) {
    Faults faults;
    forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        if (actual.answer != expected.answer)
            faults.add(expected.number, "answer letter " + shown(actual.answer) + ", expected " +
                                            shown(expected.answer));
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, FillInFieldsLabelsAndDoneButton) {
    Faults faults;
    forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        const int n = expected.number;
        const auto& fields = actual.entry.fields;
        if (fields.size() != expected.fields.size())
            faults.add(n, std::to_string(fields.size()) + " fill-in fields, expected " +
                              std::to_string(expected.fields.size()));
        for (std::size_t i = 0; i < std::min(fields.size(), expected.fields.size()); ++i) {
            const auto& a = fields[i];
            const auto& e = expected.fields[i];
            if (a.control != e.control || a.rect != e.rect)
                faults.add(n, "field " + std::to_string(a.control) + " at " + rect(a.rect) +
                                  ", expected field " + std::to_string(e.control) + " at " +
                                  rect(e.rect));
            if (a.accepted != e.accepted)
                faults.add(n, "field " + std::to_string(e.control) + " accepts " +
                                  joined(a.accepted, ", ") + ", expected " +
                                  joined(e.accepted, ", "));
        }
        const auto& labels = actual.entry.labels;
        if (labels.size() != expected.labels.size())
            faults.add(n, std::to_string(labels.size()) + " extra labels, expected " +
                              std::to_string(expected.labels.size()));
        for (std::size_t i = 0; i < std::min(labels.size(), expected.labels.size()); ++i)
            if (labels[i] != expected.labels[i])
                faults.add(n, "label " + std::to_string(i + 1) + " is " + label(labels[i]) +
                                  ", expected " + label(expected.labels[i]));
        if (actual.entry.doneButton != expected.doneButton)
            faults.add(n, actual.entry.doneButton
                              ? "Done button at " + rect(*actual.entry.doneButton)
                              : "no Done button");
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, DemonstrationPrograms) {
    Faults faults;
    forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        if (actual.entry.program != expected.program)
            faults.add(expected.number, "starts " + shown(actual.entry.program) + ", expected " +
                                            shown(expected.program));
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, ChoiceLinesAreTheQuestionsChoices) {
    Faults faults;
    forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        if (actual.entry.tutorShown)
            return; // the tutor's Pages never get answer buttons
        std::vector<QuotedLine> withButtons;
        for (int i = 1; i <= 17; ++i)
            if (engine::hasAnswerButton(textLine(actual, i)))
                withButtons.push_back({i, textLine(actual, i)});
        const auto same = [](const QuotedLine& a, const QuotedLine& b) {
            return a.number == b.number && a.text == b.text;
        };
        if (!std::equal(withButtons.begin(), withButtons.end(), expected.choices.begin(),
                        expected.choices.end(), same))
            faults.add(expected.number, "lines with answer buttons " + listed(withButtons) +
                                            ", expected " + listed(expected.choices));
        if (!withButtons.empty() && actual.entry.layout != engine::RecordLayout::Question)
            faults.add(expected.number, "has answer buttons but no answer letter (a text Page)");
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, EveryAnswerLetterHasItsButton) {
    Faults faults;
    forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        if (actual.answer.size() != 1)
            return;
        const char letter = static_cast<char>(actual.answer[0] - 'a' + 'A');
        bool found = false;
        for (int i = 1; i <= 17; ++i)
            found = found || (engine::hasAnswerButton(textLine(actual, i)) &&
                              textLine(actual, i)[0] == letter);
        if (!found)
            faults.add(expected.number, std::string("the right answer ") + letter +
                                            " has no choice line, so it cannot be pressed");
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, EveryQuestionIsFollowedByItsSolution) {
    Faults faults;
    forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        if (!isQuestion(kindOf(actual)))
            return;
        const int n = expected.number;
        const PageSource* solution = sourcePage(n + 1);
        if (!solution)
            return faults.add(n, "is a question, but no solution Page " + std::to_string(n + 1) +
                                     " follows it");
        if (solution->entry.layout != engine::RecordLayout::Text)
            faults.add(n + 1, "is the solution of Page " + std::to_string(n) +
                                  " and must be a text Page, not another question");
        if (!textLine(*solution, 1).empty())
            faults.add(n + 1, "line 1 must stay empty: the verdict of Page " + std::to_string(n) +
                                  " is drawn there");
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, EverySolutionShowsTheRightChoice) {
    Faults faults;
    forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        if (actual.answer.size() != 1)
            return;
        const char letter = static_cast<char>(actual.answer[0] - 'a' + 'A');
        std::string right;
        for (int i = 1; i <= 17; ++i)
            if (engine::hasAnswerButton(textLine(actual, i)) && textLine(actual, i)[0] == letter)
                right = choiceAsRead(textLine(actual, i));
        const PageSource* solution = sourcePage(expected.number + 1);
        if (right.size() <= 2 || !solution)
            return; // the choice is in the picture (Page 85), or the solution is missing
        bool repeated = false;
        for (int i = 1; i <= 17; ++i)
            repeated = repeated || choiceAsRead(textLine(*solution, i)) == right;
        if (!repeated)
            faults.add(expected.number + 1, "does not repeat the right choice " + shown(right) +
                                                " of Page " + std::to_string(expected.number));
    });
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesLessons, ProgramSettingsAndLessonAndStepTables) {
    const auto& source = catalogueSource();
    const auto& table = pageTable();
    Faults faults;
    if (source.settings.name != table.program.name ||
        source.settings.lessonCount != table.program.lessonCount ||
        source.declaredPageCount != table.program.pageCount ||
        source.settings.studyTimeFile != table.program.studyTimeFile)
        faults.add("program.txt differs from: program " + table.program.name + " lessons " +
                   std::to_string(table.program.lessonCount) + " pages " +
                   std::to_string(table.program.pageCount) + " study-time " +
                   table.program.studyTimeFile);
    for (const auto& expected : table.lessons) {
        const std::string name = "lesson " + std::to_string(expected.number);
        if (expected.number > static_cast<int>(source.lessons.size())) {
            faults.add(name + " is missing from lessons.txt");
            continue;
        }
        const auto& actual = source.lessons[static_cast<std::size_t>(expected.number - 1)];
        if (actual.firstPage != expected.firstPage)
            faults.add(name + " starts at Page " + std::to_string(actual.firstPage) +
                       ", expected " + std::to_string(expected.firstPage));
        if (actual.stepFirstPages != expected.stepFirstPages ||
            actual.stepButtonCount != static_cast<int>(expected.stepFirstPages.size()))
            faults.add(name + "'s " + std::to_string(actual.stepButtonCount) +
                       " Steps start at Pages " + pageList(actual.stepFirstPages) + ", expected " +
                       pageList(expected.stepFirstPages));
        if (actual.title != expected.title)
            faults.add(name + " is titled " + shown(actual.title) + ", expected " +
                       shown(expected.title));
        for (int page = expected.firstPage; page <= expected.lastPage; ++page)
            if (const auto* p = sourcePage(page); p && p->entry.lesson != expected.number)
                faults.add(page, "lies in " + name + "'s Pages but belongs to lesson " +
                                     std::to_string(p->entry.lesson));
    }
    if (source.lessons.size() != table.lessons.size())
        faults.add("lessons.txt has " + std::to_string(source.lessons.size()) + " lessons");
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesLessons, Tooltips) {
    const auto& source = catalogueSource();
    Faults faults;
    for (const auto& expected : pageTable().lessons) {
        if (expected.number > static_cast<int>(source.lessons.size()))
            continue; // reported with the lesson table
        std::string summary;
        for (const auto& line : expected.summaryLines)
            summary += (summary.empty() ? "" : "\n") + line;
        const std::string tooltip = expected.title + "\n\n" + summary;
        const auto& actual = source.lessons[static_cast<std::size_t>(expected.number - 1)];
        if (actual.tooltip() != tooltip)
            faults.add("lesson " + std::to_string(expected.number) + "'s tooltip is " +
                       shown(actual.tooltip()) + ", expected " + shown(tooltip));
    }
    EXPECT_TRUE(faults.empty()) << faults.report();
}
