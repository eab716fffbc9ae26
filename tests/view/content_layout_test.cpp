#include "engine/catalogue/catalogue_source.h"
#include "engine/core/choice_line.h"
#include "engine/view/lesson_fonts.h"
#include "platform/qt/course_text.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace engine;

namespace {

// Every lesson program that the course ships.
std::vector<fs::path> lessonFolders() {
    std::vector<fs::path> folders;
    for (const auto& item : fs::directory_iterator(LESSONS_FOLDER))
        if (fs::exists(item.path() / "program.txt"))
            folders.push_back(item.path());
    std::sort(folders.begin(), folders.end());
    return folders;
}

int widthOf(const QFont& font, const std::string& text) {
    return QFontMetrics(font).horizontalAdvance(platform::fromWindows1252(text));
}

} // namespace

TEST(ContentLayout, EveryTextLineEndsInsideThePageArea) {
    std::vector<std::string> faults;
    for (const auto& folder : lessonFolders()) {
        const auto source = readCatalogueFolder(folder);
        const LessonFonts fonts(source.settings.fontFace);
        for (const auto& page : source.pages) {
            for (int i = 1; i <= 17; ++i) {
                const std::string& line = page.lines[static_cast<std::size_t>(i)];
                const int x = isChoiceLine(line) ? 160 : 110;
                const int right = x + widthOf(fonts.font(FontNumber::Page), line);
                if (right > 796)
                    faults.push_back(source.settings.name + ", Page " + std::to_string(page.number) +
                                     ": line " + std::to_string(i) + " ends at x = " +
                                     std::to_string(right));
            }
        }
    }
    EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
}

TEST(ContentLayout, EverySpeechLineFitsTheBubble) {
    std::vector<std::string> faults;
    for (const auto& folder : lessonFolders()) {
        const auto source = readCatalogueFolder(folder);
        const LessonFonts fonts(source.settings.fontFace);
        for (const auto& page : source.pages)
            for (int k = 1; k <= 10; ++k) {
                const int right = 290 + widthOf(fonts.font(FontNumber::Speech),
                                                page.speech[static_cast<std::size_t>(k)]);
                if (right > 710)
                    faults.push_back(source.settings.name + ", Page " + std::to_string(page.number) +
                                     ": speech line " + std::to_string(k) + " ends at x = " +
                                     std::to_string(right));
            }
    }
    EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
}

TEST(ContentLayout, EveryShippedCatalogueReadsWithoutFaults) {
    const auto folders = lessonFolders();
    EXPECT_GE(folders.size(), 2u);
    for (const auto& folder : folders) {
        const auto source = readCatalogueFolder(folder);
        EXPECT_TRUE(source.errors.empty()) << ::testing::PrintToString(source.errors);
    }
}
