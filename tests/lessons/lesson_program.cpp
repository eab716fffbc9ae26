#include "lesson_program.h"

#include <utility>

namespace lesson_tests {
namespace {

const std::string& lineOf(const auto& lines, int i) {
    static const std::string none;
    return i >= 1 && i < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(i)] : none;
}

} // namespace

LessonProgram::LessonProgram(ProgramFolders folders)
    : folders_(std::move(folders)), source_(engine::readCatalogueFolder(folders_.lessons)),
      table_(readPageTable(folders_.pageTable)) {
    content_ = engine::buildStoredContent(source_.pages);
    catalogue_.settings = source_.settings;
    catalogue_.lessons = source_.lessons;
    for (const auto& page : source_.pages) {
        catalogue_.pages.push_back(page.entry);
        byNumber_.emplace(page.number, &page);
    }
    catalogue_.content = content_;
}

const engine::PageSource* LessonProgram::sourcePage(int number) const {
    const auto it = byNumber_.find(number);
    return it == byNumber_.end() ? nullptr : it->second;
}

std::filesystem::path LessonProgram::pictureSource(const std::string& file) const {
    return folders_.pictures / (file + ".svg");
}

const std::string& textLine(const engine::PageSource& page, int i) {
    return lineOf(page.lines, i);
}

const std::string& speechLine(const engine::PageSource& page, int i) {
    return lineOf(page.speech, i);
}

} // namespace lesson_tests
