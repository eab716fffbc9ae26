#include "engine/catalogue/catalogue_source.h"

#include "engine/catalogue/line_scanner.h"
#include "platform/text/windows1252.h"

#include <algorithm>
#include <fstream>

namespace engine {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> readLines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool isSkippable(const std::string& line) {
    const auto first = line.find_first_not_of(' ');
    return first == std::string::npos || line[first] == '#';
}

// Reads one folder; every message names the program and the place of the fault.
class FolderReader {
public:
    explicit FolderReader(CatalogueSource& out) : out_(out) {}

    void readProgram(const fs::path& file);
    void readLessons(const fs::path& file);
    void readPages(const fs::path& file);
    void finish();

private:
    void fail(const std::string& message) {
        out_.errors.push_back(programName() + ", " + place_ + ": " + message);
    }
    void failPage(const std::string& message) {
        if (!current_)
            return fail(message);
        out_.errors.push_back(programName() + ", Page " + std::to_string(current_->number) +
                              " (" + place_ + "): " + message);
    }
    std::string programName() const {
        return out_.settings.name.empty() ? "catalogue" : out_.settings.name;
    }
    std::optional<std::string> encoded(const std::string& utf8) {
        auto text = platform::utf8ToWindows1252(utf8);
        if (!text)
            failPage("text has a character that Windows-1252 cannot hold: " + utf8);
        return text;
    }

    void programDirective(const Directive& d);
    void lessonDirective(const Directive& d);
    void pageDirective(const std::string& line);
    void pageHeader(const std::string& rest);
    bool textLine(const std::string& line);
    void picture(const std::string& rest);
    void field(const std::string& rest);
    void accept(const std::string& rest);

    CatalogueSource& out_;
    std::string place_;
    LessonEntry* lesson_ = nullptr;
    PageSource* current_ = nullptr;
    int lastLine_ = 0;
    int lastSpeech_ = 0;
};

void FolderReader::readProgram(const fs::path& file) {
    const auto lines = readLines(file);
    if (lines.empty())
        out_.errors.push_back("catalogue: " + file.string() + " is missing or empty");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        place_ = "program.txt line " + std::to_string(i + 1);
        if (!isSkippable(lines[i]))
            programDirective(splitDirective(lines[i]));
    }
}

void FolderReader::programDirective(const Directive& d) {
    auto& s = out_.settings;
    if (d.word == "program") {
        s.name = d.rest;
    } else if (d.word == "lessons" || d.word == "pages") {
        const auto value = toInt(d.rest);
        if (!value || *value < 1)
            return fail(d.word + " needs a positive number");
        (d.word == "lessons" ? s.lessonCount : out_.declaredPageCount) = *value;
    } else if (d.word == "face") {
        s.fontFace = d.rest;
    } else if (d.word == "study-time") {
        s.studyTimeFile = d.rest;
    } else if (d.word == "saved-place") {
        const auto w = words(d.rest);
        if (w.size() == 1 && w[0] == "none")
            return;
        if (w.size() < 3 || (w.back() != "load" && w.back() != "save"))
            return fail("saved-place needs: none, or FILTER EXTENSION load [save]");
        s.savedPlace.filter = w[0] + "|" + w[0];
        const bool saves = std::find(w.begin(), w.end(), "save") != w.end();
        s.savedPlace.extension = saves ? w[1] : std::string();
    } else {
        fail("unknown setting '" + d.word + "'");
    }
}

void FolderReader::readLessons(const fs::path& file) {
    const auto lines = readLines(file);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        place_ = "lessons.txt line " + std::to_string(i + 1);
        if (!isSkippable(lines[i]))
            lessonDirective(splitDirective(lines[i]));
    }
}

void FolderReader::lessonDirective(const Directive& d) {
    if (d.word == "lesson") {
        if (toInt(d.rest) != static_cast<int>(out_.lessons.size()) + 1)
            fail("lessons must be numbered 1, 2, ... in order");
        lesson_ = &out_.lessons.emplace_back();
        return;
    }
    if (!lesson_)
        return fail("'" + d.word + "' before the first 'lesson'");
    if (d.word == "first-page") {
        lesson_->firstPage = toInt(d.rest).value_or(0);
    } else if (d.word == "steps") {
        lesson_->stepFirstPages.clear();
        for (const auto& w : words(d.rest))
            lesson_->stepFirstPages.push_back(toInt(w).value_or(0));
        lesson_->stepButtonCount = static_cast<int>(lesson_->stepFirstPages.size());
    } else if (d.word == "title") {
        lesson_->title = encoded(d.rest).value_or("");
    } else if (d.word == "summary") {
        const auto text = encoded(d.rest).value_or("");
        lesson_->summary += lesson_->summary.empty() ? text : "\n" + text;
    } else {
        fail("unknown lesson setting '" + d.word + "'");
    }
}

void FolderReader::readPages(const fs::path& file) {
    const auto lines = readLines(file);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        place_ = file.filename().string() + " line " + std::to_string(i + 1);
        if (textLine(lines[i]) || isSkippable(lines[i]))
            continue;
        pageDirective(lines[i]);
    }
}

// "N|text" and "sN|text"; everything after the bar is kept exactly.
bool FolderReader::textLine(const std::string& line) {
    const auto bar = line.find('|');
    if (bar == std::string::npos)
        return false;
    std::string key = line.substr(0, bar);
    key.erase(0, key.find_first_not_of(' '));
    const bool speech = !key.empty() && key[0] == 's';
    const auto number = toInt(speech ? key.substr(1) : key);
    if (!number)
        return false;
    if (!current_) {
        fail("text line before the first 'page'");
        return true;
    }
    const int limit = speech ? 10 : 17;
    int& last = speech ? lastSpeech_ : lastLine_;
    if (*number < 1 || *number > limit) {
        failPage((speech ? "speech line " : "text line ") + std::to_string(*number) +
                 " is outside 1.." + std::to_string(limit));
        return true;
    }
    if (*number <= last)
        failPage("line " + key + " is out of order or given twice");
    last = *number;
    const auto text = encoded(line.substr(bar + 1)).value_or("");
    const auto index = static_cast<std::size_t>(*number);
    if (speech)
        current_->speech[index] = text;
    else
        current_->lines[index] = text;
    return true;
}

void FolderReader::pageDirective(const std::string& line) {
    const Directive d = splitDirective(line);
    if (d.word == "page")
        return pageHeader(d.rest);
    if (!current_)
        return fail("'" + d.word + "' before the first 'page'");
    PageEntry& entry = current_->entry;
    if (d.word == "tutor") {
        entry.tutorShown = true;
    } else if (d.word == "picture") {
        picture(d.rest);
    } else if (d.word == "label") {
        std::string tail;
        const auto n = leadingNumbers(d.rest, 2, &tail);
        if (!n)
            return failPage("label needs: x y text");
        entry.labels.push_back({(*n)[0], (*n)[1], encoded(tail).value_or("")});
    } else if (d.word == "field") {
        field(d.rest);
    } else if (d.word == "accept") {
        accept(d.rest);
    } else if (d.word == "done") {
        const auto n = leadingNumbers(d.rest, 4);
        if (!n)
            return failPage("done needs: x y width height");
        entry.doneButton = Rect{(*n)[0], (*n)[1], (*n)[2], (*n)[3]};
    } else if (d.word == "program") {
        entry.program = d.rest;
    } else if (d.word == "release") {
        for (const auto& w : words(d.rest)) {
            const auto slot = toInt(w);
            if (!slot || *slot < 77 || *slot > 82)
                return failPage("release takes page picture slots 77..82");
            entry.releasedSlots.push_back(*slot);
        }
    } else if (d.word == "answer") {
        current_->answer = d.rest;
    } else {
        failPage("unknown page setting '" + d.word + "'");
    }
}

void FolderReader::pageHeader(const std::string& rest) {
    const auto w = words(rest);
    const auto number = w.empty() ? std::nullopt : toInt(w[0]);
    const int expected = static_cast<int>(out_.pages.size()) + 1;
    if (w.size() != 4 || !number || (w[1] != "text" && w[1] != "question") || w[2] != "lesson" ||
        !toInt(w[3]))
        return fail("a page header reads: page N text|question lesson L");
    current_ = &out_.pages.emplace_back();
    current_->number = *number;
    current_->origin = place_;
    current_->entry.layout = w[1] == "text" ? RecordLayout::Text : RecordLayout::Question;
    current_->entry.lesson = *toInt(w[3]);
    lastLine_ = 0;
    lastSpeech_ = 0;
    if (*number != expected)
        failPage("Pages must follow each other; expected Page " + std::to_string(expected));
}

void FolderReader::picture(const std::string& rest) {
    const auto w = words(rest);
    if (w.size() != 4 && w.size() != 6)
        return failPage("picture needs: slot file x y [width height]");
    PicturePlacement p;
    p.slot = toInt(w[0]).value_or(0);
    p.file = w[1];
    p.x = toInt(w[2]).value_or(-1);
    p.y = toInt(w[3]).value_or(-1);
    if (w.size() == 6) {
        p.stretchWidth = toInt(w[4]).value_or(0);
        p.stretchHeight = toInt(w[5]).value_or(0);
        if (p.stretchWidth <= 0 || p.stretchHeight <= 0)
            failPage("a stretched picture needs a positive width and height");
    }
    if (p.slot < 77 || p.slot > 82)
        failPage("page pictures use slots 77..82");
    current_->entry.pictures.push_back(p);
}

void FolderReader::field(const std::string& rest) {
    const auto n = leadingNumbers(rest, 5);
    if (!n)
        return failPage("field needs: control x y width height");
    auto& fields = current_->entry.fields;
    const int expected = 20 + static_cast<int>(fields.size());
    if ((*n)[0] != expected)
        failPage("fields are controls 20, 21, ... in order; expected " + std::to_string(expected));
    fields.push_back({(*n)[0], Rect{(*n)[1], (*n)[2], (*n)[3], (*n)[4]}, {}});
}

void FolderReader::accept(const std::string& rest) {
    std::string tail;
    const auto n = leadingNumbers(rest, 1, &tail);
    auto& fields = current_->entry.fields;
    auto it = !n ? fields.end() : std::find_if(fields.begin(), fields.end(), [&](auto& f) {
        return f.control == (*n)[0];
    });
    if (it == fields.end())
        return failPage("accept names no field of this Page");
    it->accepted.push_back(encoded(tail).value_or(""));
}

void checkPage(const PageSource& page, const CatalogueSource& out,
               std::vector<std::string>& errors) {
    const auto fault = [&](const std::string& message) {
        errors.push_back(out.settings.name + ", Page " + std::to_string(page.number) + " (" +
                         page.origin + "): " + message);
    };
    const PageEntry& e = page.entry;
    const bool question = e.layout == RecordLayout::Question;
    if (question && e.tutorShown)
        fault("a Page that shows the tutor is a text Page");
    if (question && std::any_of(page.speech.begin(), page.speech.end(),
                                [](auto& s) { return !s.empty(); }))
        fault("a question Page has no speech lines");
    if (!question && !page.answer.empty())
        fault("only question Pages have an answer letter");
    if (!page.answer.empty() && page.answer != "a" && page.answer != "b" && page.answer != "c" &&
        page.answer != "d")
        fault("the answer letter is a, b, c or d");
    if (e.lesson < 1 || e.lesson > static_cast<int>(out.lessons.size()))
        fault("lesson " + std::to_string(e.lesson) + " is not in lessons.txt");
    for (const auto& f : e.fields)
        if (f.accepted.empty())
            fault("field " + std::to_string(f.control) + " accepts no answer");
    if (!e.fields.empty() && !e.doneButton)
        fault("a fill-in Page needs a done button");
    if (page.number == static_cast<int>(out.pages.size()) && question)
        fault("a question Page cannot be the last Page");
}

void FolderReader::finish() {
    if (out_.declaredPageCount != static_cast<int>(out_.pages.size()))
        out_.errors.push_back(programName() + ": program.txt declares " +
                              std::to_string(out_.declaredPageCount) + " Pages, the files hold " +
                              std::to_string(out_.pages.size()));
    if (out_.settings.lessonCount > static_cast<int>(out_.lessons.size()))
        out_.errors.push_back(programName() + ": lessons.txt has fewer lessons than program.txt");
    for (std::size_t i = 0; i < out_.lessons.size(); ++i) {
        const auto& l = out_.lessons[i];
        const std::string name = programName() + ", lesson " + std::to_string(i + 1);
        const bool firstExists = l.firstPage >= 1 && l.firstPage <= static_cast<int>(out_.pages.size());
        if (!firstExists)
            out_.errors.push_back(name + ": first Page " + std::to_string(l.firstPage) + " does not exist");
        else if (out_.pages[static_cast<std::size_t>(l.firstPage - 1)].entry.lesson != static_cast<int>(i + 1))
            out_.errors.push_back(name + ": its first Page belongs to another lesson");
        if (l.stepFirstPages.empty() || l.stepFirstPages.front() != l.firstPage)
            out_.errors.push_back(name + ": Step 1 must start at the lesson's first Page");
    }
    for (const auto& page : out_.pages)
        checkPage(page, out_, out_.errors);
}

} // namespace

CatalogueSource readCatalogueFolder(const fs::path& folder) {
    CatalogueSource out;
    FolderReader reader(out);
    reader.readProgram(folder / "program.txt");
    reader.readLessons(folder / "lessons.txt");
    std::vector<fs::path> pageFiles;
    std::error_code ec;
    for (const auto& item : fs::directory_iterator(folder, ec)) {
        const auto name = item.path().filename().string();
        if (name.starts_with("pages-") && name.ends_with(".txt"))
            pageFiles.push_back(item.path());
    }
    std::sort(pageFiles.begin(), pageFiles.end());
    for (const auto& file : pageFiles)
        reader.readPages(file);
    reader.finish();
    return out;
}

std::string buildStoredContent(std::vector<PageSource>& pages) {
    std::string content;
    const auto append = [&content](const std::string& text) {
        content += text;
        content += '\0';
    };
    for (auto& page : pages) {
        page.entry.record = content.size();
        for (int i = 1; i <= 17; ++i)
            append(page.lines[static_cast<std::size_t>(i)]);
        if (page.entry.layout == RecordLayout::Text) {
            for (int i = 1; i <= 10; ++i)
                append(page.speech[static_cast<std::size_t>(i)]);
        } else {
            append(page.answer);
        }
    }
    return content;
}

} // namespace engine
