#include "program_tables.h"

#include "engine/catalogue/line_scanner.h"
#include "support/table_line.h"
#include "platform/text/windows1252.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>

namespace small_programs {
namespace {

using test_support::splitTableLine;
using test_support::TableLine;

std::optional<int> numberAt(const std::vector<std::string>& words, std::size_t i) {
    return i < words.size() ? engine::toInt(words[i]) : std::nullopt;
}

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

class TableReader {
  public:
    TableReader(ProgramTables& out, std::string fileName)
        : out_(out), fileName_(std::move(fileName)) {}

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
    using Words = std::vector<std::string>;

    void fail(const std::string& message) {
        out_.errors.push_back(fileName_ + " line " + std::to_string(lineNumber_) + ": " + message);
    }

    using Entry = void (TableReader::*)(const Words&);

    // Before the first Page, "program" names the lesson program; below a Page, the
    // demonstration program that the Page starts.
    void dispatch(const Words& w) {
        if (w.empty())
            return fail("a line starts with its entry's name");
        static const std::map<std::string, Entry> programEntries = {
            {"program", &TableReader::setting},
            {"lessons", &TableReader::setting},
            {"pages", &TableReader::setting},
            {"face", &TableReader::setting},
            {"study-time", &TableReader::setting},
            {"saved-place", &TableReader::savedPlace},
            {"lesson", &TableReader::lesson},
            {"title", &TableReader::lessonText},
            {"summary", &TableReader::lessonText},
            {"summary-begins", &TableReader::lessonText},
            {"summary-ends", &TableReader::lessonText},
            {"summary-contains", &TableReader::lessonText},
            {"summary-sentences", &TableReader::sentences},
            {"page", &TableReader::page}};
        static const std::map<std::string, Entry> pageEntries = {
            {"lines", &TableReader::lines},        {"line", &TableReader::quotedLine},
            {"begins", &TableReader::quotedLine},  {"ends", &TableReader::quotedLine},
            {"choice", &TableReader::quotedLine},  {"speech", &TableReader::quotedLine},
            {"picture", &TableReader::picture},    {"answer", &TableReader::singleWord},
            {"program", &TableReader::singleWord}, {"page", &TableReader::page}};
        const auto& entries = current_ ? pageEntries : programEntries;
        const auto it = entries.find(w[0]);
        if (it == entries.end())
            return fail("unknown entry '" + w[0] + "'" +
                        (current_ ? std::string() : " before the first 'page'"));
        (this->*(it->second))(w);
    }

    void setting(const Words& w) {
        auto& p = out_.program;
        const std::string value = quoted_ ? *quoted_ : w.size() == 2 ? w[1] : std::string();
        if (value.empty())
            return fail(w[0] + " takes one value");
        if (w[0] == "program")
            p.name = value;
        else if (w[0] == "face")
            p.fontFace = value;
        else if (w[0] == "study-time")
            p.studyTimeFile = value;
        else if (const auto n = engine::toInt(value))
            (w[0] == "lessons" ? p.lessonCount : p.pageCount) = *n;
        else
            fail(w[0] + " takes a number");
    }

    void savedPlace(const Words& w) {
        if (!quoted_ || w.size() != 2)
            return fail("saved-place reads: saved-place EXTENSION|- \"FILTER\"");
        out_.program.savedPlaceFilter = *quoted_;
        out_.program.savedPlaceExtension = w[1] == "-" ? std::string() : w[1];
    }

    void lesson(const Words& w) {
        const auto number = numberAt(w, 1);
        const auto first = numberAt(w, 3);
        if (!number || !first || w.size() < 6 || w[2] != "first-page" || w[4] != "steps")
            return fail("lesson reads: lesson L first-page P steps P1 P2 ...");
        ExpectedLesson l;
        l.number = *number;
        l.firstPage = *first;
        for (std::size_t i = 5; i < w.size(); ++i) {
            const auto step = engine::toInt(w[i]);
            if (!step)
                return fail("the steps are Page numbers");
            l.stepFirstPages.push_back(*step);
        }
        out_.lessons.push_back(l);
    }

    ExpectedLesson* lessonFor(const Words& w) {
        const auto number = numberAt(w, 1);
        auto it = std::find_if(out_.lessons.begin(), out_.lessons.end(),
                               [&](auto& l) { return number && l.number == *number; });
        return it == out_.lessons.end() ? nullptr : &*it;
    }

    void lessonText(const Words& w) {
        ExpectedLesson* l = lessonFor(w);
        if (!l || !quoted_ || w.size() != 2)
            return fail(w[0] + " reads: " + w[0] + " L \"text\", after its lesson line");
        if (w[0] == "title")
            l->title = *quoted_;
        else if (w[0] == "summary")
            l->summaryLines.push_back(*quoted_);
        else if (w[0] == "summary-begins")
            l->summaryBegins = *quoted_;
        else if (w[0] == "summary-ends")
            l->summaryEnds = *quoted_;
        else
            l->summaryContains.push_back(*quoted_);
    }

    void sentences(const Words& w) {
        ExpectedLesson* l = lessonFor(w);
        const auto count = numberAt(w, 2);
        if (!l || !count || w.size() != 3)
            return fail("summary-sentences reads: summary-sentences L N, after its lesson line");
        l->summarySentences = *count;
    }

    void page(const Words& w) {
        const auto number = numberAt(w, 1);
        const auto lesson = numberAt(w, 5);
        const bool layoutKnown = w.size() > 2 && (w[2] == "text" || w[2] == "question");
        const bool tutorKnown = w.size() > 3 && (w[3] == "tutor" || w[3] == "-");
        if (w.size() != 6 || !number || !layoutKnown || !tutorKnown || w[4] != "lesson" || !lesson)
            return fail("page reads: page N text|question tutor|- lesson L");
        ExpectedPage p;
        p.number = *number;
        p.layout = w[2] == "text" ? engine::RecordLayout::Text : engine::RecordLayout::Question;
        p.tutorShown = w[3] == "tutor";
        p.lesson = *lesson;
        if (p.number != static_cast<int>(out_.pages.size()) + 1)
            fail("Pages are listed in order without gaps");
        current_ = &out_.pages.emplace_back(p);
    }

    void lines(const Words& w) {
        current_->linesGiven = true;
        if (w.size() == 2 && w[1] == "none")
            return;
        for (std::size_t i = 1; i < w.size(); ++i) {
            const auto range = lineRange(w[i]);
            if (!range)
                return fail("lines reads: lines K K-M ... or lines none");
            current_->nonEmptyLines.insert(range->begin(), range->end());
        }
        if (w.size() < 2)
            fail("lines reads: lines K K-M ... or lines none");
    }

    void quotedLine(const Words& w) {
        const auto number = numberAt(w, 1);
        if (w.size() != 2 || !number || !quoted_)
            return fail(w[0] + " reads: " + w[0] + " K \"text\"");
        const QuotedLine line{*number, *quoted_};
        static const std::map<std::string, std::vector<QuotedLine> ExpectedPage::*> lists = {
            {"line", &ExpectedPage::exactLines},
            {"begins", &ExpectedPage::beginnings},
            {"ends", &ExpectedPage::endings},
            {"choice", &ExpectedPage::choices},
            {"speech", &ExpectedPage::speech}};
        ((*current_).*(lists.at(w[0]))).push_back(line);
    }

    void picture(const Words& w) {
        const auto slot = numberAt(w, 2);
        const auto x = numberAt(w, 3);
        const auto y = numberAt(w, 4);
        if (w.size() != 5 || !slot || !x || !y)
            return fail("picture reads: picture FILE SLOT X Y");
        current_->pictures.push_back({w[1], *slot, *x, *y, 0, 0});
    }

    void singleWord(const Words& w) {
        if (w.size() != 2)
            return fail(w[0] + " takes one word");
        (w[0] == "answer" ? current_->answer : current_->program) = w[1];
    }

    ProgramTables& out_;
    std::string fileName_;
    ExpectedPage* current_ = nullptr;
    std::optional<std::string> quoted_;
    int lineNumber_ = 0;
};

} // namespace

ProgramTables readProgramTables(const std::filesystem::path& file) {
    ProgramTables tables;
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        tables.errors.push_back(file.string() + " cannot be read");
        return tables;
    }
    TableReader reader(tables, file.filename().string());
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        reader.read(line, ++lineNumber);
    }
    return tables;
}

} // namespace small_programs
