#include "engine/catalogue/page_file_reader.h"

#include "engine/catalogue/line_scanner.h"
#include "engine/catalogue/source_faults.h"
#include "platform/text/windows1252.h"

#include <algorithm>

namespace engine {
namespace {

namespace fs = std::filesystem;

class PageFileReader {
  public:
    explicit PageFileReader(CatalogueSource& source) : source_(source) {}

    void read(const fs::path& file);

  private:
    void fail(const std::string& message) { addFault(source_, place_, message); }
    void failPage(const std::string& message) {
        if (!current_)
            return fail(message);
        addPageFault(source_, *current_, place_, message);
    }
    std::string encoded(const std::string& utf8) {
        auto text = platform::utf8ToWindows1252(utf8);
        if (!text)
            failPage("text has a character that Windows-1252 cannot hold: " + utf8);
        return text.value_or("");
    }

    bool textLine(const std::string& line);
    void directive(const std::string& line);
    void pageHeader(const std::string& rest);
    void picture(const std::string& rest);
    void label(const std::string& rest);
    void field(const std::string& rest);
    void accept(const std::string& rest);
    void done(const std::string& rest);
    void release(const std::string& rest);

    CatalogueSource& source_;
    std::string place_;
    PageSource* current_ = nullptr;
    int lastLine_ = 0;
    int lastSpeech_ = 0;
};

void PageFileReader::read(const fs::path& file) {
    const auto lines = readSourceLines(file);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        place_ = file.filename().string() + " line " + std::to_string(i + 1);
        if (textLine(lines[i]) || isSkippableLine(lines[i]))
            continue;
        directive(lines[i]);
    }
}

// "N|text" and "sN|text"; everything after the bar is kept exactly.
bool PageFileReader::textLine(const std::string& line) {
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
    const auto text = encoded(line.substr(bar + 1));
    const auto index = static_cast<std::size_t>(*number);
    (speech ? current_->speech[index] : current_->lines[index]) = text;
    return true;
}

void PageFileReader::directive(const std::string& line) {
    const Directive d = splitDirective(line);
    if (d.word == "page")
        return pageHeader(d.rest);
    if (!current_)
        return fail("'" + d.word + "' before the first 'page'");
    if (d.word == "tutor")
        current_->entry.tutorShown = true;
    else if (d.word == "picture")
        picture(d.rest);
    else if (d.word == "label")
        label(d.rest);
    else if (d.word == "field")
        field(d.rest);
    else if (d.word == "accept")
        accept(d.rest);
    else if (d.word == "done")
        done(d.rest);
    else if (d.word == "program")
        current_->entry.program = d.rest;
    else if (d.word == "release")
        release(d.rest);
    else if (d.word == "answer")
        current_->answer = d.rest;
    else
        failPage("unknown page setting '" + d.word + "'");
}

void PageFileReader::pageHeader(const std::string& rest) {
    const auto w = words(rest);
    const auto number = w.empty() ? std::nullopt : toInt(w[0]);
    const int expected = static_cast<int>(source_.pages.size()) + 1;
    if (w.size() != 4 || !number || (w[1] != "text" && w[1] != "question") || w[2] != "lesson" ||
        !toInt(w[3]))
        return fail("a page header reads: page N text|question lesson L");
    current_ = &source_.pages.emplace_back();
    current_->number = *number;
    current_->origin = place_;
    current_->entry.layout = w[1] == "text" ? RecordLayout::Text : RecordLayout::Question;
    current_->entry.lesson = *toInt(w[3]);
    lastLine_ = 0;
    lastSpeech_ = 0;
    if (*number != expected)
        failPage("Pages must follow each other; expected Page " + std::to_string(expected));
}

void PageFileReader::picture(const std::string& rest) {
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

void PageFileReader::label(const std::string& rest) {
    std::string tail;
    const auto n = leadingNumbers(rest, 2, &tail);
    if (!n)
        return failPage("label needs: x y text");
    current_->entry.labels.push_back({(*n)[0], (*n)[1], encoded(tail)});
}

void PageFileReader::field(const std::string& rest) {
    const auto n = leadingNumbers(rest, 5);
    if (!n)
        return failPage("field needs: control x y width height");
    auto& fields = current_->entry.fields;
    const int expected = 20 + static_cast<int>(fields.size());
    if ((*n)[0] != expected)
        failPage("fields are controls 20, 21, ... in order; expected " + std::to_string(expected));
    fields.push_back({(*n)[0], Rect{(*n)[1], (*n)[2], (*n)[3], (*n)[4]}, {}});
}

void PageFileReader::accept(const std::string& rest) {
    std::string tail;
    const auto n = leadingNumbers(rest, 1, &tail);
    auto& fields = current_->entry.fields;
    auto it = !n ? fields.end() : std::find_if(fields.begin(), fields.end(), [&](auto& f) {
        return f.control == (*n)[0];
    });
    if (it == fields.end())
        return failPage("accept names no field of this Page");
    it->accepted.push_back(encoded(tail));
}

void PageFileReader::done(const std::string& rest) {
    const auto n = leadingNumbers(rest, 4);
    if (!n)
        return failPage("done needs: x y width height");
    current_->entry.doneButton = Rect{(*n)[0], (*n)[1], (*n)[2], (*n)[3]};
}

void PageFileReader::release(const std::string& rest) {
    for (const auto& w : words(rest)) {
        const auto slot = toInt(w);
        if (!slot || *slot < 77 || *slot > 82)
            return failPage("release takes page picture slots 77..82");
        current_->entry.releasedSlots.push_back(*slot);
    }
}

} // namespace

void readPageFiles(const std::vector<fs::path>& files, CatalogueSource& source) {
    PageFileReader reader(source);
    for (const auto& file : files)
        reader.read(file);
}

} // namespace engine
