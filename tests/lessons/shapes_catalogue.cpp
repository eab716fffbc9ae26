#include "shapes_catalogue.h"

#include "platform/text/windows1252.h"

#include <map>

namespace shapes {
namespace {

struct StoredProgram {
    engine::CatalogueSource source;
    std::string content;
    engine::Catalogue catalogue;
};

StoredProgram buildStoredProgram() {
    StoredProgram program;
    program.source = catalogueSource();
    program.content = engine::buildStoredContent(program.source.pages);
    return program;
}

const std::string& lineOf(const auto& lines, int i) {
    static const std::string none;
    return i >= 1 && i < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(i)] : none;
}

} // namespace

const engine::CatalogueSource& catalogueSource() {
    static const engine::CatalogueSource source = engine::readCatalogueFolder(SHAPES_LESSONS);
    return source;
}

const engine::PageSource* sourcePage(int number) {
    static const std::map<int, const engine::PageSource*> byNumber = [] {
        std::map<int, const engine::PageSource*> out;
        for (const auto& page : catalogueSource().pages)
            out.emplace(page.number, &page);
        return out;
    }();
    const auto it = byNumber.find(number);
    return it == byNumber.end() ? nullptr : it->second;
}

const PageTable& pageTable() {
    static const PageTable table = readPageTable(SHAPES_PAGE_TABLE);
    return table;
}

const engine::Catalogue& storedCatalogue() {
    static const StoredProgram program = buildStoredProgram();
    static const engine::Catalogue catalogue = [] {
        engine::Catalogue c;
        c.settings = program.source.settings;
        c.lessons = program.source.lessons;
        for (const auto& page : program.source.pages)
            c.pages.push_back(page.entry);
        c.content = program.content;
        return c;
    }();
    return catalogue;
}

std::filesystem::path pictureSource(const std::string& file) {
    return std::filesystem::path(SHAPES_PICTURES) / (file + ".svg");
}

const std::string& textLine(const engine::PageSource& page, int i) {
    return lineOf(page.lines, i);
}

const std::string& speechLine(const engine::PageSource& page, int i) {
    return lineOf(page.speech, i);
}

void Faults::add(int page, const std::string& message) {
    messages_.push_back("shapes, Page " + std::to_string(page) + ": " + message);
}

void Faults::add(const std::string& message) {
    messages_.push_back("shapes: " + message);
}

void Faults::addAsIs(const std::string& message) {
    messages_.push_back(message);
}

void Faults::addMissing(const std::vector<int>& pages) {
    std::string ranges;
    for (std::size_t i = 0; i < pages.size();) {
        std::size_t j = i;
        while (j + 1 < pages.size() && pages[j + 1] == pages[j] + 1)
            ++j;
        ranges += (ranges.empty() ? "" : ", ") + std::to_string(pages[i]) +
                  (j > i ? "-" + std::to_string(pages[j]) : "");
        i = j + 1;
    }
    if (!ranges.empty())
        messages_.push_back("shapes, Pages " + ranges + ": missing from lessons/shapes");
}

std::string Faults::report() const {
    std::string out = std::to_string(messages_.size()) + " fault(s):";
    for (const auto& m : messages_)
        out += "\n  " + platform::windows1252ToUtf8(m);
    return out;
}

std::string shown(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace shapes
