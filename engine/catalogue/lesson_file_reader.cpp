#include "engine/catalogue/lesson_file_reader.h"

#include "engine/catalogue/line_scanner.h"
#include "engine/catalogue/source_faults.h"
#include "platform/text/windows1252.h"

namespace engine {
namespace {

class LessonFileReader {
  public:
    explicit LessonFileReader(CatalogueSource& source) : source_(source) {}

    void read(const std::string& line, const std::string& place) {
        place_ = place;
        directive(splitDirective(line));
    }

  private:
    void fail(const std::string& message) { addFault(source_, place_, message); }
    std::string encoded(const std::string& utf8) {
        auto text = platform::utf8ToWindows1252(utf8);
        if (!text)
            fail("text has a character that Windows-1252 cannot hold: " + utf8);
        return text.value_or("");
    }
    void directive(const Directive& d);

    CatalogueSource& source_;
    std::string place_;
    LessonEntry* lesson_ = nullptr;
};

void LessonFileReader::directive(const Directive& d) {
    if (d.word == "lesson") {
        if (toInt(d.rest) != static_cast<int>(source_.lessons.size()) + 1)
            fail("lessons must be numbered 1, 2, ... in order");
        lesson_ = &source_.lessons.emplace_back();
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
        lesson_->title = encoded(d.rest);
    } else if (d.word == "summary") {
        const auto text = encoded(d.rest);
        lesson_->summary += lesson_->summary.empty() ? text : "\n" + text;
    } else {
        fail("unknown lesson setting '" + d.word + "'");
    }
}

} // namespace

void readLessonFile(const std::filesystem::path& file, CatalogueSource& source) {
    LessonFileReader reader(source);
    const auto lines = readSourceLines(file);
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!isSkippableLine(lines[i]))
            reader.read(lines[i], "lessons.txt line " + std::to_string(i + 1));
}

} // namespace engine
