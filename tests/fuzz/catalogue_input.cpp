#include "tests/fuzz/catalogue_input.h"

#include "engine/core/lesson_engine.h"
#include "engine/core/window_layout.h"
#include "tests/fuzz/quiet_host.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace fuzz {

void writeCatalogueFolder(const std::filesystem::path& folder, std::string_view bytes) {
    constexpr std::array<const char*, 4> names = {"program.txt", "lessons.txt", "pages-1.txt",
                                                  "pages-2.txt"};
    for (const char* name : names) {
        const std::size_t end = std::min(bytes.find('\0'), bytes.size());
        std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(end));
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
    }
}

engine::Catalogue catalogueOf(const engine::CatalogueSource& source, const std::string& content) {
    engine::Catalogue catalogue;
    catalogue.settings = source.settings;
    catalogue.lessons = source.lessons;
    for (const auto& page : source.pages)
        catalogue.pages.push_back(page.entry);
    catalogue.content = content;
    return catalogue;
}

void pressEveryButton(const engine::Catalogue& catalogue) {
    using namespace engine::layout;
    QuietHost host;
    engine::LessonEngine lesson(catalogue, host);
    lesson.start();
    const int walk = std::min(catalogue.pageCount(), 200) + 1;
    for (int l = 0; l < maxLessons; ++l) {
        lesson.handleControl(firstLessonButton + l);
        for (int s = 0; s < maxSteps; ++s)
            lesson.handleControl(firstStepButton + s);
        for (int k = 0; k < walk; ++k)
            lesson.handleControl(k % 3 == 0   ? nextButton
                                 : k % 3 == 1 ? firstAnswerButton + k % 4
                                              : doneButton);
        for (int k = 0; k < walk; ++k)
            lesson.handleControl(previousButton);
    }
}

} // namespace fuzz
