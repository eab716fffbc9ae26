#include "engine/catalogue/catalogue_source.h"

#include "engine/catalogue/catalogue_validator.h"
#include "engine/catalogue/lesson_file_reader.h"
#include "engine/catalogue/page_file_reader.h"
#include "engine/catalogue/program_file_reader.h"

#include <algorithm>

namespace engine {
namespace {

namespace fs = std::filesystem;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::vector<fs::path> pageFilesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& item : fs::directory_iterator(folder, ec)) {
        const auto name = item.path().filename().string();
        if (name.starts_with("pages-") && name.ends_with(".txt"))
            files.push_back(item.path());
    }
    std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
        return naturalLess(a.filename().string(), b.filename().string());
    });
    return files;
}

} // namespace

bool naturalLess(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const std::size_t startA = i, startB = j;
            while (i < a.size() && isDigit(a[i]))
                ++i;
            while (j < b.size() && isDigit(b[j]))
                ++j;
            std::string numberA = a.substr(startA, i - startA);
            std::string numberB = b.substr(startB, j - startB);
            numberA.erase(0, std::min(numberA.find_first_not_of('0'), numberA.size() - 1));
            numberB.erase(0, std::min(numberB.find_first_not_of('0'), numberB.size() - 1));
            if (numberA.size() != numberB.size())
                return numberA.size() < numberB.size();
            if (numberA != numberB)
                return numberA < numberB;
        } else {
            if (a[i] != b[j])
                return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    if (a.size() - i != b.size() - j)
        return a.size() - i < b.size() - j;
    return a < b; // equal in value ("pages-02" and "pages-2"): any fixed order
}

CatalogueSource
readCatalogueFolder(const fs::path& folder,
                    const std::optional<std::vector<std::string>>& startablePrograms) {
    CatalogueSource source;
    readProgramFile(folder / "program.txt", source);
    readLessonFile(folder / "lessons.txt", source);
    readPageFiles(pageFilesIn(folder), source);
    validateCatalogue(source, startablePrograms);
    return source;
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
