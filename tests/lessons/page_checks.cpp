#include "page_checks.h"

#include "engine/core/choice_line.h"

#include <algorithm>
#include <map>
#include <set>

namespace lesson_tests {
namespace {

using engine::PageSource;

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

std::string placement(const engine::PicturePlacement& p, bool withSlot) {
    std::string out = p.file + " at (" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")";
    if (p.stretchWidth || p.stretchHeight)
        out += " stretched to " + std::to_string(p.stretchWidth) + " x " +
               std::to_string(p.stretchHeight);
    if (withSlot)
        out += " in slot " + std::to_string(p.slot);
    return out;
}

std::string placements(const std::vector<engine::PicturePlacement>& pictures, bool withSlots) {
    if (pictures.empty())
        return "none";
    std::string out;
    for (const auto& p : pictures)
        out += (out.empty() ? "" : "; ") + placement(p, withSlots);
    return out;
}

bool samePlacement(engine::PicturePlacement actual, const engine::PicturePlacement& expected) {
    if (expected.slot == 0)
        actual.slot = 0; // the table fixes no slot for this picture
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
        out += (out.empty() ? "" : ", ") +
               (line.number ? std::to_string(line.number) + ": " : std::string()) +
               shown(line.text);
    return out;
}

std::string joined(const std::vector<std::string>& texts, const std::string& separator) {
    std::string out;
    for (const auto& t : texts)
        out += (out.empty() ? "" : separator) + shown(t);
    return out;
}

std::string pageList(const std::vector<int>& pages) {
    std::string out;
    for (int page : pages)
        out += (out.empty() ? "" : " ") + std::to_string(page);
    return out;
}

std::string lineList(const auto& lines) {
    std::string out;
    for (int i : lines)
        out += (out.empty() ? "" : " ") + std::to_string(i);
    return out.empty() ? "none" : out;
}

std::set<int> nonEmptyLines(const PageSource& page) {
    std::set<int> out;
    for (int i = 1; i <= 17; ++i)
        if (!textLine(page, i).empty())
            out.insert(i);
    return out;
}

int sentenceCount(const std::string& text) {
    int count = 1;
    for (std::size_t at = text.find(". "); at != std::string::npos; at = text.find(". ", at + 2))
        ++count;
    return count;
}

int speechLineCount(const PageSource& page) {
    return static_cast<int>(std::count_if(page.speech.begin() + 1, page.speech.end(),
                                          [](auto& s) { return !s.empty(); }));
}

// The right answer's letter as its button shows it, or 0 on Pages without one.
char rightLetter(const PageSource& page) {
    if (page.answer.size() != 1)
        return 0;
    return static_cast<char>(page.answer[0] - 'a' + 'A');
}

// The lines that get an answer button, with their line numbers.
std::vector<QuotedLine> linesWithButtons(const PageSource& page) {
    std::vector<QuotedLine> out;
    for (int i = 1; i <= 17; ++i)
        if (engine::hasAnswerButton(textLine(page, i)))
            out.push_back({i, textLine(page, i)});
    return out;
}

// A listed choice without a line number matches its text wherever it stands.
bool sameChoice(const QuotedLine& actual, const QuotedLine& expected) {
    return (expected.number == 0 || actual.number == expected.number) &&
           actual.text == expected.text;
}

void checkFaceAndSavedPlace(const engine::ProgramSettings& actual, const ExpectedProgram& expected,
                            PageFaults& faults) {
    if (!expected.fontFace)
        faults.add("the expected table gives no face");
    else if (actual.fontFace != *expected.fontFace)
        faults.add("program.txt's face is " + shown(actual.fontFace) + ", expected " +
                   shown(*expected.fontFace));
    if (!expected.savedPlace)
        return faults.add("the expected table gives no saved-place");
    const auto& saved = actual.savedPlace;
    const auto& want = *expected.savedPlace;
    if (saved.filter != want.filter || saved.extension != want.extension ||
        saved.section != want.section)
        faults.add("program.txt's saved place is filter " + shown(saved.filter) + ", extension " +
                   shown(saved.extension) + ", section " + shown(saved.section) + "; expected " +
                   shown(want.filter) + ", " + shown(want.extension) + ", " + shown(want.section));
}

void checkLessonTable(const LessonProgram& program, const ExpectedLesson& expected,
                      PageFaults& faults) {
    const auto& source = program.source();
    const std::string name = "lesson " + std::to_string(expected.number);
    if (expected.number > static_cast<int>(source.lessons.size()))
        return faults.add(name + " is missing from lessons.txt");
    const auto& actual = source.lessons[static_cast<std::size_t>(expected.number - 1)];
    if (actual.firstPage != expected.firstPage)
        faults.add(name + " starts at Page " + std::to_string(actual.firstPage) + ", expected " +
                   std::to_string(expected.firstPage));
    if (actual.stepFirstPages != expected.stepFirstPages ||
        actual.stepButtonCount != static_cast<int>(expected.stepFirstPages.size()))
        faults.add(name + "'s " + std::to_string(actual.stepButtonCount) +
                   " Steps start at Pages " + pageList(actual.stepFirstPages) + ", expected " +
                   pageList(expected.stepFirstPages));
    if (actual.title != expected.title)
        faults.add(name + " is titled " + shown(actual.title) + ", expected " +
                   shown(expected.title));
    for (int page = expected.firstPage; page <= expected.lastPage; ++page)
        if (const auto* p = program.sourcePage(page); p && p->entry.lesson != expected.number)
            faults.add(page, "lies in " + name + "'s Pages but belongs to lesson " +
                                 std::to_string(p->entry.lesson));
}

} // namespace

void checkCatalogueReads(const LessonProgram& program, PageFaults& faults) {
    for (const auto& error : program.source().errors)
        faults.addAsIs(error);
}

void checkTableReads(const LessonProgram& program, PageFaults& faults) {
    const auto& table = program.table();
    for (const auto& error : table.errors)
        faults.addAsIs(error);
    if (static_cast<int>(table.pages.size()) != table.program.pageCount)
        faults.add("the expected table lists " + std::to_string(table.pages.size()) +
                   " Pages of the " + std::to_string(table.program.pageCount) +
                   " its catalogue line counts");
}

void checkPageOrder(const LessonProgram& program, PageFaults& faults) {
    const auto& pages = program.source().pages;
    for (std::size_t i = 0; i < pages.size(); ++i)
        if (pages[i].number != static_cast<int>(i) + 1)
            faults.add(pages[i].number, "stands where Page " + std::to_string(i + 1) +
                                            " belongs (" + pages[i].origin + ")");
    if (pages.size() != program.table().pages.size())
        faults.add("holds " + std::to_string(pages.size()) + " Pages, expected " +
                   std::to_string(program.table().pages.size()));
}

void checkLessonLayoutAndTutor(const LessonProgram& program, PageFaults& faults) {
    program.forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
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
}

void checkTextLineCounts(const LessonProgram& program, PageFaults& faults) {
    program.forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        int count = 0;
        int first = 0;
        int last = 0;
        for (int i = 1; i <= 17; ++i)
            if (!textLine(actual, i).empty()) {
                ++count;
                first = first ? first : i;
                last = i;
            }
        const int n = expected.number;
        if (!expected.textLineCount && !expected.nonEmptyLines)
            faults.add(n, "the expected table gives neither 'text' nor 'lines'");
        if (expected.nonEmptyLines && nonEmptyLines(actual) != *expected.nonEmptyLines)
            faults.add(n, "text on lines " + lineList(nonEmptyLines(actual)) + ", expected " +
                              lineList(*expected.nonEmptyLines));
        if (!expected.textLineCount)
            return;
        if (count != *expected.textLineCount)
            faults.add(n, std::to_string(count) + " non-empty lines, expected " +
                              std::to_string(*expected.textLineCount) + ", last line " +
                              std::to_string(last));
        else if (expected.lastTextLine && last != *expected.lastTextLine)
            faults.add(n, "last non-empty line is " + std::to_string(last) + ", expected " +
                              std::to_string(*expected.lastTextLine));
        if (expected.firstTextLine && first != *expected.firstTextLine)
            faults.add(n, "first non-empty line is " + std::to_string(first) + ", expected " +
                              std::to_string(*expected.firstTextLine));
    });
}

void checkQuotedTextLines(const LessonProgram& program, PageFaults& faults) {
    program.forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
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
        for (const auto& line : expected.lineEndings)
            if (!textLine(actual, line.number).ends_with(line.text))
                wrong(line, "it to end with ");
        for (const auto& line : expected.lineContents)
            if (textLine(actual, line.number).find(line.text) == std::string::npos)
                wrong(line, "it to hold ");
    });
}

void checkTutorSpeech(const LessonProgram& program, PageFaults& faults) {
    program.forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        const int n = expected.number;
        const int count = speechLineCount(actual);
        if (count != expected.speechLineCount)
            faults.add(n, std::to_string(count) + " speech lines, expected " +
                              std::to_string(expected.speechLineCount));
        // The bubble draws lines 1..count by position, so they must stand together from line 1.
        for (int k = 1; k <= count; ++k)
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
        if (expected.speechLineCount && !expected.tutorShown)
            faults.add(n, "the expected table gives speech lines, but the tutor is not shown");
    });
}

void checkPictures(const LessonProgram& program, PageFaults& faults) {
    program.forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        const auto& pictures = actual.entry.pictures;
        const bool same = std::equal(pictures.begin(), pictures.end(), expected.pictures.begin(),
                                     expected.pictures.end(), samePlacement);
        const bool slotsListed = std::any_of(expected.pictures.begin(), expected.pictures.end(),
                                             [](const auto& p) { return p.slot != 0; });
        if (!same)
            faults.add(expected.number, "pictures " + placements(pictures, slotsListed) +
                                            ", expected " +
                                            placements(expected.pictures, slotsListed));
        std::map<int, std::string> fileInSlot;
        for (const auto& p : pictures) {
            const auto [it, fresh] = fileInSlot.emplace(p.slot, p.file);
            if (!fresh && it->second != p.file)
                faults.add(expected.number, "two pictures share slot " + std::to_string(p.slot) +
                                                ": only the second one would be shown");
        }
    });
}

void checkPictureSources(const LessonProgram& program, PageFaults& faults) {
    for (const auto& page : program.table().pages)
        for (const auto& picture : page.pictures)
            if (!std::filesystem::exists(program.pictureSource(picture.file)))
                faults.add(page.number,
                           "picture " + picture.file + " has no source " +
                               program.pictureSource(picture.file).filename().string());
}

void checkAnswerLetters(const LessonProgram& program, PageFaults& faults) {
    program.forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        if (actual.answer != expected.answer)
            faults.add(expected.number, "answer letter " + shown(actual.answer) + ", expected " +
                                            shown(expected.answer));
    });
}

void checkFillIns(const LessonProgram& program, PageFaults& faults) {
    program.forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
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
}

void checkDemonstrationPrograms(const LessonProgram& program, PageFaults& faults) {
    program.forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        if (actual.entry.program != expected.program)
            faults.add(expected.number, "starts " + shown(actual.entry.program) + ", expected " +
                                            shown(expected.program));
    });
}

void checkChoiceLines(const LessonProgram& program, PageFaults& faults) {
    program.forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        if (actual.entry.tutorShown) { // the tutor's Pages never get answer buttons
            if (!expected.choices.empty())
                faults.add(expected.number, "shows the tutor, so its choices " +
                                                listed(expected.choices) + " get no buttons");
            return;
        }
        const auto withButtons = linesWithButtons(actual);
        if (!std::equal(withButtons.begin(), withButtons.end(), expected.choices.begin(),
                        expected.choices.end(), sameChoice))
            faults.add(expected.number, "lines with answer buttons " + listed(withButtons) +
                                            ", expected " + listed(expected.choices));
        if (!withButtons.empty() && actual.entry.layout != engine::RecordLayout::Question)
            faults.add(expected.number, "has answer buttons but no answer letter (a text Page)");
    });
}

void checkAnswerLetterButtons(const LessonProgram& program, PageFaults& faults) {
    program.forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        const char letter = rightLetter(actual);
        if (!letter)
            return;
        const auto withButtons = linesWithButtons(actual);
        const bool found = std::any_of(withButtons.begin(), withButtons.end(),
                                       [&](const QuotedLine& l) { return l.text[0] == letter; });
        if (!found)
            faults.add(expected.number, std::string("the right answer ") + letter +
                                            " has no choice line, so it cannot be pressed");
    });
}

void checkSolutionsFollowQuestions(const LessonProgram& program, PageFaults& faults) {
    program.forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        if (kindOf(actual) == PageKind::Text)
            return;
        const int n = expected.number;
        const PageSource* solution = program.sourcePage(n + 1);
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
}

void checkSolutionsShowTheRightChoice(const LessonProgram& program, PageFaults& faults) {
    program.forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        const char letter = rightLetter(actual);
        std::string right;
        for (const auto& line : linesWithButtons(actual))
            if (line.text[0] == letter)
                right = choiceAsRead(line.text);
        const PageSource* solution = program.sourcePage(expected.number + 1);
        if (right.size() <= 2 || !solution)
            return; // the choice is in a picture, or the solution is missing
        bool repeated = false;
        for (int i = 1; i <= 17; ++i)
            repeated = repeated || choiceAsRead(textLine(*solution, i)) == right;
        if (!repeated)
            faults.add(expected.number + 1, "does not repeat the right choice " + shown(right) +
                                                " of Page " + std::to_string(expected.number));
    });
}

void checkProgramAndLessonTables(const LessonProgram& program, PageFaults& faults) {
    const auto& source = program.source();
    const auto& table = program.table();
    if (source.settings.name != table.program.name ||
        source.settings.lessonCount != table.program.lessonCount ||
        source.declaredPageCount != table.program.pageCount ||
        source.settings.studyTimeFile != table.program.studyTimeFile)
        faults.add("program.txt differs from: program " + table.program.name + " lessons " +
                   std::to_string(table.program.lessonCount) + " pages " +
                   std::to_string(table.program.pageCount) + " study-time " +
                   table.program.studyTimeFile);
    checkFaceAndSavedPlace(source.settings, table.program, faults);
    for (const auto& expected : table.lessons)
        checkLessonTable(program, expected, faults);
    if (source.lessons.size() != table.lessons.size())
        faults.add("lessons.txt has " + std::to_string(source.lessons.size()) +
                   " lessons, expected " + std::to_string(table.lessons.size()) +
                   " (a lesson beyond the count would give a hidden button a tooltip)");
}

void checkTooltips(const LessonProgram& program, PageFaults& faults) {
    const auto& source = program.source();
    for (const auto& expected : program.table().lessons) {
        if (expected.number > static_cast<int>(source.lessons.size()))
            continue; // reported with the lesson table
        const auto& actual = source.lessons[static_cast<std::size_t>(expected.number - 1)];
        const std::string name = "lesson " + std::to_string(expected.number) + "'s tooltip ";
        const std::string& summary = actual.summary;
        if (actual.tooltip() != actual.title + "\n\n" + summary)
            faults.add(name + "is " + shown(actual.tooltip()) +
                       ", which does not join title and summary by two line feeds");
        if (!expected.summaryGiven())
            faults.add(name + "summary is not given in the expected table");
        std::string joined;
        for (const auto& line : expected.summaryLines)
            joined += (joined.empty() ? "" : "\n") + line;
        if (!expected.summaryLines.empty() && summary != joined)
            faults.add(name + "summary is " + shown(summary) + ", expected " + shown(joined));
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
}

void checkSolutionsRepeatTheRightChoiceExactly(const LessonProgram& program, PageFaults& faults) {
    const auto& indent = program.table().program.solutionIndent;
    if (!indent)
        return;
    program.forEachPage(faults, [&](const ExpectedPage& expected, const PageSource& actual) {
        if (actual.entry.layout != engine::RecordLayout::Question || !actual.entry.fields.empty())
            return; // a fill-in Page has no choice to repeat: its solution shows the answers
        const char letter = rightLetter(actual);
        std::string right;
        for (const auto& line : linesWithButtons(actual))
            if (letter && line.text[0] == letter)
                right = *indent + line.text;
        const PageSource* solution = program.sourcePage(expected.number + 1);
        if (!solution)
            return; // reported with the question
        bool repeated = false;
        for (int i = 1; i <= 17; ++i)
            repeated = repeated || textLine(*solution, i) == right;
        if (right.empty() || !repeated)
            faults.add(expected.number + 1, "does not repeat the right choice " + shown(right) +
                                                " exactly, after " + shown(*indent));
    });
}

std::string choiceAsRead(const std::string& line) {
    std::string out;
    for (char c : line)
        if (c != ' ' || (!out.empty() && out.back() != ' '))
            out += c;
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

} // namespace lesson_tests
