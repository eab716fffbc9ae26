#include "page_table.h"

#include "engine/catalogue/line_scanner.h"
#include "platform/text/windows1252.h"
#include "support/table_line.h"

#include <algorithm>
#include <fstream>
#include <utility>

namespace lesson_tests {
namespace {

using test_support::splitTableLine;
using test_support::TableLine;

// "3-6" as 3, 4, 5, 6 and "8" as 8; nothing when the word is neither.
std::optional<std::vector<int>> lineRange(const std::string& word) {
    const auto dash = word.find('-');
    const auto first = engine::toInt(word.substr(0, dash));
    const auto last = dash == std::string::npos ? first : engine::toInt(word.substr(dash + 1));
    if (!first || !last || *first > *last)
        return std::nullopt;
    std::vector<int> out;
    for (int i = *first; i <= *last; ++i)
        out.push_back(i);
    return out;
}

// Words from..from+count-1 as numbers; nothing when there are too few or one is no number.
std::optional<std::vector<int>> numbersAt(const std::vector<std::string>& words, std::size_t from,
                                          std::size_t count) {
    if (words.size() < from + count)
        return std::nullopt;
    std::vector<int> out;
    for (std::size_t i = from; i < from + count; ++i) {
        const auto value = engine::toInt(words[i]);
        if (!value)
            return std::nullopt;
        out.push_back(*value);
    }
    return out;
}

class TableReader {
  public:
    TableReader(PageTable& out, std::string fileName) : out_(out), fileName_(std::move(fileName)) {}

    void read(const std::string& line, int lineNumber) {
        lineNumber_ = lineNumber;
        const auto first = line.find_first_not_of(' ');
        if (first == std::string::npos || line[first] == '#')
            return;
        const TableLine parts = splitTableLine(line);
        quoted_ = parts.quoted ? platform::utf8ToWindows1252(*parts.quoted) : std::nullopt;
        if (parts.quoted && !quoted_)
            return fail("the quoted text has a character that Windows-1252 cannot hold");
        dispatch(parts.words);
    }

  private:
    void fail(const std::string& message) {
        out_.errors.push_back(fileName_ + " line " + std::to_string(lineNumber_) + ": " + message);
    }

    void dispatch(const std::vector<std::string>& w) {
        if (w.empty())
            return fail("a line starts with its entry's name");
        const std::string& word = w[0];
        if (word == "catalogue")
            return programLine(w);
        if (word == "lesson")
            return lessonLine(w);
        if (word == "face" || word == "saved-place-section")
            return quotedSetting(w);
        if (word == "saved-place")
            return savedPlace(w);
        if (word == "solution-indent")
            return solutionIndent(w);
        if (word == "title" || word == "summary" || word == "summary-begins" ||
            word == "summary-ends" || word == "summary-contains")
            return lessonTextLine(w);
        if (word == "summary-sentences")
            return sentences(w);
        if (word == "page")
            return pageLine(w);
        if (!current_)
            return fail("'" + word + "' before the first 'page'");
        pageFact(w);
    }

    void pageFact(const std::vector<std::string>& w) {
        const std::string& word = w[0];
        if (word == "text")
            textCounts(w);
        else if (word == "lines")
            lines(w);
        else if (word == "line" || word == "begins" || word == "ends" || word == "contains" ||
                 word == "speech-line")
            quotedLine(w);
        else if (word == "choice")
            choice(w);
        else if (word == "speech")
            speech(w);
        else if (word == "picture")
            picture(w);
        else if (word == "answer" || word == "program")
            singleWord(w);
        else if (word == "field")
            field(w);
        else if (word == "accept")
            accept(w);
        else if (word == "label")
            label(w);
        else if (word == "done")
            done(w);
        else
            fail("unknown entry '" + word + "'");
    }

    void programLine(const std::vector<std::string>& w) {
        if (w.size() != 8 || w[2] != "lessons" || w[4] != "pages" || w[6] != "study-time")
            return fail("catalogue reads: catalogue PROGRAM lessons N pages N study-time FILE");
        auto& program = out_.program;
        program.name = w[1];
        program.lessonCount = engine::toInt(w[3]).value_or(0);
        program.pageCount = engine::toInt(w[5]).value_or(0);
        program.studyTimeFile = w[7];
    }

    // face "FACE", saved-place-section "TEXT"
    void quotedSetting(const std::vector<std::string>& w) {
        if (w.size() != 1 || !quoted_ || quoted_->empty())
            return fail(w[0] + " reads: " + w[0] + " \"text\"");
        if (w[0] == "face")
            out_.program.fontFace = *quoted_;
        else if (!out_.program.savedPlace)
            fail("saved-place-section follows its saved-place line");
        else
            out_.program.savedPlace->section = *quoted_;
    }

    // solution-indent "TEXT"
    void solutionIndent(const std::vector<std::string>& w) {
        if (w.size() != 1 || !quoted_)
            return fail("solution-indent reads: solution-indent \"text\"");
        out_.program.solutionIndent = *quoted_;
    }

    // saved-place none | saved-place EXTENSION|- "FILTER"
    void savedPlace(const std::vector<std::string>& w) {
        if (w.size() == 2 && w[1] == "none" && !quoted_)
            return void(out_.program.savedPlace = ExpectedSavedPlace{});
        if (w.size() != 2 || !quoted_ || quoted_->empty())
            return fail("saved-place reads: saved-place none | saved-place EXTENSION|- \"FILTER\"");
        out_.program.savedPlace = ExpectedSavedPlace{*quoted_, w[1] == "-" ? "" : w[1]};
    }

    void lessonLine(const std::vector<std::string>& w) {
        const auto number = numbersAt(w, 1, 1);
        const auto dash = w.size() > 3 ? w[3].find('-') : std::string::npos;
        if (!number || w.size() < 6 || w[2] != "pages" || dash == std::string::npos ||
            w[4] != "steps")
            return fail("lesson reads: lesson L pages FIRST-LAST steps P1 P2 ...");
        ExpectedLesson lesson;
        lesson.number = (*number)[0];
        lesson.firstPage = engine::toInt(w[3].substr(0, dash)).value_or(0);
        lesson.lastPage = engine::toInt(w[3].substr(dash + 1)).value_or(0);
        const auto steps = numbersAt(w, 5, w.size() - 5);
        if (!steps)
            return fail("the steps are Page numbers");
        lesson.stepFirstPages = *steps;
        out_.lessons.push_back(lesson);
    }

    void lessonTextLine(const std::vector<std::string>& w) {
        const auto number = numbersAt(w, 1, 1);
        ExpectedLesson* lesson = number ? lessonFor((*number)[0]) : nullptr;
        if (!lesson || !quoted_ || w.size() != 2)
            return fail(w[0] + " reads: " + w[0] + " L \"text\", after its lesson line");
        if (w[0] == "title")
            lesson->title = *quoted_;
        else if (w[0] == "summary")
            lesson->summaryLines.push_back(*quoted_);
        else if (w[0] == "summary-begins")
            lesson->summaryBegins = *quoted_;
        else if (w[0] == "summary-ends")
            lesson->summaryEnds = *quoted_;
        else
            lesson->summaryContains.push_back(*quoted_);
    }

    // summary-sentences L N
    void sentences(const std::vector<std::string>& w) {
        const auto numbers = numbersAt(w, 1, 2);
        ExpectedLesson* lesson = numbers ? lessonFor((*numbers)[0]) : nullptr;
        if (!lesson || w.size() != 3 || quoted_ || (*numbers)[1] < 1)
            return fail("summary-sentences reads: summary-sentences L N, after its lesson line");
        lesson->summarySentences = (*numbers)[1];
    }

    ExpectedLesson* lessonFor(int number) {
        auto it = std::find_if(out_.lessons.begin(), out_.lessons.end(),
                               [number](const ExpectedLesson& l) { return l.number == number; });
        return it == out_.lessons.end() ? nullptr : &*it;
    }

    void pageLine(const std::vector<std::string>& w) {
        const auto number = numbersAt(w, 1, 1);
        const auto lesson = numbersAt(w, 5, 1);
        const bool kindKnown = w.size() > 2 && (w[2] == "T" || w[2] == "Q" || w[2] == "F");
        const bool tutorKnown = w.size() > 3 && (w[3] == "tutor" || w[3] == "-");
        if (w.size() != 6 || !number || !kindKnown || !tutorKnown || w[4] != "lesson" || !lesson)
            return fail("page reads: page N T|Q|F tutor|- lesson L");
        ExpectedPage page;
        page.number = (*number)[0];
        page.kind = w[2] == "T"   ? PageKind::Text
                    : w[2] == "Q" ? PageKind::MultipleChoice
                                  : PageKind::FillIn;
        page.tutorShown = w[3] == "tutor";
        page.lesson = (*lesson)[0];
        if (page.number != static_cast<int>(out_.pages.size()) + 1)
            fail("Pages are listed in order without gaps");
        current_ = &out_.pages.emplace_back(page);
    }

    // text COUNT [first K] [last M]
    void textCounts(const std::vector<std::string>& w) {
        const auto count = numbersAt(w, 1, 1);
        const bool pairsRead = w.size() % 2 == 0 && readTextBounds(w);
        if (!count || !pairsRead)
            return fail("text reads: text COUNT [first K] [last M]");
        current_->textLineCount = (*count)[0];
    }

    bool readTextBounds(const std::vector<std::string>& w) {
        for (std::size_t i = 2; i + 1 < w.size(); i += 2) {
            const auto line = numbersAt(w, i + 1, 1);
            if (!line || (w[i] != "first" && w[i] != "last"))
                return false;
            (w[i] == "first" ? current_->firstTextLine : current_->lastTextLine) = (*line)[0];
        }
        return true;
    }

    // lines K K-M ... | lines none
    void lines(const std::vector<std::string>& w) {
        std::set<int> nonEmpty;
        const bool none = w.size() == 2 && w[1] == "none";
        for (std::size_t i = 1; i < w.size() && !none; ++i) {
            const auto range = lineRange(w[i]);
            if (!range)
                return fail("lines reads: lines K K-M ... | lines none");
            nonEmpty.insert(range->begin(), range->end());
        }
        if (w.size() < 2)
            return fail("lines reads: lines K K-M ... | lines none");
        current_->nonEmptyLines = nonEmpty;
    }

    void quotedLine(const std::vector<std::string>& w) {
        const auto number = numbersAt(w, 1, 1);
        if (w.size() != 2 || !number || !quoted_)
            return fail(w[0] + " reads: " + w[0] + " K \"text\"");
        const QuotedLine line{(*number)[0], *quoted_};
        if (w[0] == "line")
            current_->exactLines.push_back(line);
        else if (w[0] == "begins")
            current_->lineBeginnings.push_back(line);
        else if (w[0] == "ends")
            current_->lineEndings.push_back(line);
        else if (w[0] == "contains")
            current_->lineContents.push_back(line);
        else
            current_->exactSpeech.push_back(line);
    }

    // choice [K] "text": without K the table fixes the choice but not its line.
    void choice(const std::vector<std::string>& w) {
        const auto number =
            w.size() == 2 ? numbersAt(w, 1, 1) : std::make_optional(std::vector<int>{0});
        if (w.size() > 2 || !number || !quoted_)
            return fail("choice reads: choice [K] \"text\"");
        current_->choices.push_back({(*number)[0], *quoted_});
    }

    // speech COUNT ["beginning"]
    void speech(const std::vector<std::string>& w) {
        const auto count = numbersAt(w, 1, 1);
        if (w.size() != 2 || !count)
            return fail("speech reads: speech COUNT [\"beginning\"]");
        current_->speechLineCount = (*count)[0];
        current_->speechBeginning = quoted_.value_or("");
    }

    // picture FILE X Y [W H] [slot S]
    void picture(std::vector<std::string> w) {
        int slot = 0;
        if (w.size() >= 2 && w[w.size() - 2] == "slot") {
            slot = engine::toInt(w.back()).value_or(-1);
            w.resize(w.size() - 2);
        }
        const auto point = numbersAt(w, 2, 2);
        const auto size = numbersAt(w, 4, 2);
        if ((w.size() != 4 && w.size() != 6) || !point || (w.size() == 6 && !size) || slot < 0)
            return fail("picture reads: picture FILE X Y [W H] [slot S]");
        engine::PicturePlacement p;
        p.file = w[1];
        p.slot = slot;
        p.x = (*point)[0];
        p.y = (*point)[1];
        if (size) {
            p.stretchWidth = (*size)[0];
            p.stretchHeight = (*size)[1];
        }
        current_->pictures.push_back(p);
    }

    void singleWord(const std::vector<std::string>& w) {
        if (w.size() != 2)
            return fail(w[0] + " takes one word");
        (w[0] == "answer" ? current_->answer : current_->program) = w[1];
    }

    void field(const std::vector<std::string>& w) {
        const auto n = numbersAt(w, 1, 5);
        if (w.size() != 6 || !n)
            return fail("field reads: field CONTROL X Y W H");
        current_->fields.push_back({(*n)[0], {(*n)[1], (*n)[2], (*n)[3], (*n)[4]}, {}});
    }

    void accept(const std::vector<std::string>& w) {
        const auto control = numbersAt(w, 1, 1);
        auto& fields = current_->fields;
        auto it = !control ? fields.end()
                           : std::find_if(fields.begin(), fields.end(), [&](const auto& f) {
                                 return f.control == (*control)[0];
                             });
        if (w.size() != 2 || it == fields.end() || !quoted_)
            return fail("accept reads: accept CONTROL \"text\", after its field");
        it->accepted.push_back(*quoted_);
    }

    void label(const std::vector<std::string>& w) {
        const auto point = numbersAt(w, 1, 2);
        if (w.size() != 3 || !point || !quoted_)
            return fail("label reads: label X Y \"text\"");
        current_->labels.push_back({(*point)[0], (*point)[1], *quoted_});
    }

    void done(const std::vector<std::string>& w) {
        const auto n = numbersAt(w, 1, 4);
        if (w.size() != 5 || !n)
            return fail("done reads: done X Y W H");
        current_->doneButton = engine::Rect{(*n)[0], (*n)[1], (*n)[2], (*n)[3]};
    }

    PageTable& out_;
    std::string fileName_;
    ExpectedPage* current_ = nullptr;
    std::optional<std::string> quoted_;
    int lineNumber_ = 0;
};

} // namespace

const ExpectedPage* PageTable::page(int number) const {
    if (number < 1 || number > static_cast<int>(pages.size()))
        return nullptr;
    return &pages[static_cast<std::size_t>(number - 1)];
}

const ExpectedLesson* PageTable::lesson(int number) const {
    for (const auto& l : lessons)
        if (l.number == number)
            return &l;
    return nullptr;
}

PageTable readPageTable(const std::filesystem::path& file) {
    PageTable table;
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        table.errors.push_back(file.string() + " cannot be read");
        return table;
    }
    TableReader reader(table, file.filename().string());
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        reader.read(line, ++lineNumber);
    }
    return table;
}

} // namespace lesson_tests
