#include "engine/catalogue/program_file_reader.h"

#include "engine/catalogue/line_scanner.h"
#include "engine/catalogue/source_faults.h"

#include <algorithm>

namespace engine {
namespace {

void savedPlace(const std::string& rest, CatalogueSource& source, const std::string& place) {
    const auto w = words(rest);
    if (w.size() == 1 && w[0] == "none")
        return;
    if (w.size() < 3 || (w.back() != "load" && w.back() != "save"))
        return addFault(source, place, "saved-place needs: none, or FILTER EXTENSION load [save]");
    auto& settings = source.settings.savedPlace;
    settings.filter = w[0] + "|" + w[0];
    const bool saves = std::find(w.begin(), w.end(), "save") != w.end();
    settings.extension = saves ? w[1] : std::string();
}

void programDirective(const Directive& d, CatalogueSource& source, const std::string& place) {
    auto& s = source.settings;
    if (d.word == "program") {
        s.name = d.rest;
    } else if (d.word == "lessons" || d.word == "pages") {
        const auto value = toInt(d.rest);
        if (!value || *value < 1)
            return addFault(source, place, d.word + " needs a positive number");
        (d.word == "lessons" ? s.lessonCount : source.declaredPageCount) = *value;
    } else if (d.word == "face") {
        s.fontFace = d.rest;
    } else if (d.word == "study-time") {
        s.studyTimeFile = d.rest;
    } else if (d.word == "saved-place") {
        savedPlace(d.rest, source, place);
    } else if (d.word == "saved-place-section") {
        s.savedPlace.section = d.rest;
    } else {
        addFault(source, place, "unknown setting '" + d.word + "'");
    }
}

} // namespace

void readProgramFile(const std::filesystem::path& file, CatalogueSource& source) {
    const auto lines = readSourceLines(file);
    if (lines.empty())
        source.errors.push_back("catalogue: " + file.string() + " is missing or empty");
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!isSkippableLine(lines[i]))
            programDirective(splitDirective(lines[i]), source,
                             "program.txt line " + std::to_string(i + 1));
}

} // namespace engine
