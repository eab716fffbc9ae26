#include "small_program.h"

#include <map>
#include <memory>
#include <sstream>

namespace small_programs {
namespace {

std::unique_ptr<SmallProgram> readSmallProgram(const std::string& name) {
    auto program = std::make_unique<SmallProgram>();
    program->name = name;
    program->source = engine::readCatalogueFolder(std::filesystem::path(LESSONS_FOLDER) / name);
    auto pages = program->source.pages;
    program->content = engine::buildStoredContent(pages);
    auto& catalogue = program->catalogue;
    catalogue.settings = program->source.settings;
    catalogue.lessons = program->source.lessons;
    for (const auto& page : pages)
        catalogue.pages.push_back(page.entry);
    catalogue.content = program->content;
    return program;
}

const std::string& lineOf(const auto& lines, int i) {
    static const std::string none;
    return i >= 1 && i < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(i)] : none;
}

} // namespace

const engine::PageSource* SmallProgram::sourcePage(int number) const {
    for (const auto& page : source.pages)
        if (page.number == number)
            return &page;
    return nullptr;
}

const std::vector<std::string>& smallProgramNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        std::istringstream in(SMALL_LESSON_PROGRAMS);
        for (std::string name; std::getline(in, name, ';');)
            if (!name.empty())
                list.push_back(name);
        return list;
    }();
    return names;
}

const SmallProgram& smallProgram(const std::string& name) {
    static std::map<std::string, std::unique_ptr<SmallProgram>> programs;
    auto& program = programs[name];
    if (!program)
        program = readSmallProgram(name);
    return *program;
}

std::filesystem::path pictureSource(const std::string& program, const std::string& file) {
    return std::filesystem::path(PICTURES_FOLDER) / program / (file + ".svg");
}

const std::string& textLine(const engine::PageSource& page, int i) {
    return lineOf(page.lines, i);
}

const std::string& speechLine(const engine::PageSource& page, int i) {
    return lineOf(page.speech, i);
}

} // namespace small_programs
