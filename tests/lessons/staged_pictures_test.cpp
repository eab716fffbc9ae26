// The pictures of the geometry and the probability programs as a user installs them: every
// picture a Page names is in the installation folder, decodes, and in its own size (or the
// size it is stretched to) lies inside the part of the page area that the window shows.
#include "chances_catalogue.h"
#include "engine/core/window_layout.h"
#include "platform/pictures/picture_file.h"
#include "shapes_catalogue.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace {

namespace layout = engine::layout;
using lesson_tests::LessonProgram;
using lesson_tests::PageFaults;

const std::filesystem::path stage = STAGE_DIR;

// The tutor and the faces of Previous and Next, which every lesson program loads at start.
const std::vector<std::string> sharedPictures{"prof.bmp", "backbutt.bmp", "forbutt.bmp"};

QImage stagedPicture(const std::string& file) {
    return platform::loadPictureFile((stage / file).string());
}

// Every picture file the Page table of the catalogue names, with the first Page naming it.
std::map<std::string, int> namedPictures(const LessonProgram& program) {
    std::map<std::string, int> out;
    for (const auto& page : program.source().pages)
        for (const auto& picture : page.entry.pictures)
            out.emplace(picture.file, page.number);
    return out;
}

PageFaults stagedPictureFaults(const LessonProgram& program) {
    PageFaults faults(program.name());
    for (const auto& [file, page] : namedPictures(program)) {
        if (!std::filesystem::exists(stage / file))
            faults.add(page, file + " is not in the installation folder " + stage.string());
        else if (stagedPicture(file).isNull())
            faults.add(page, file + " is in the installation folder but does not decode");
    }
    for (const auto& file : sharedPictures)
        if (stagedPicture(file).isNull())
            faults.add(file + ", which every lesson program shows, is missing or does not decode");
    return faults;
}

PageFaults placementFaults(const LessonProgram& program) {
    PageFaults faults(program.name());
    for (const auto& page : program.source().pages)
        for (const auto& picture : page.entry.pictures) {
            const QImage image = stagedPicture(picture.file);
            if (image.isNull())
                continue; // reported with the staged pictures
            const int width = picture.stretchWidth ? picture.stretchWidth : image.width();
            const int height = picture.stretchHeight ? picture.stretchHeight : image.height();
            // The page area is 700 pixels wide from x = 100, of which the window shows all
            // but the last 4, and the window shows it down to y = 560.
            const int right = layout::pageArea.x + layout::pageArea.width;
            if (picture.x < layout::pageArea.x || picture.y < 0 || picture.x + width > right ||
                picture.y + height > layout::clientHeight)
                faults.add(page.number, picture.file + " drawn at (" + std::to_string(picture.x) +
                                            ", " + std::to_string(picture.y) + ") in " +
                                            std::to_string(width) + " x " + std::to_string(height) +
                                            " leaves the page area that the window shows");
        }
    return faults;
}

} // namespace

TEST(ShapesStagedPictures, EveryPictureIsInstalledAndDecodes) {
    const auto faults = stagedPictureFaults(shapes::program());
    EXPECT_TRUE(faults.empty()) << faults.report();
    EXPECT_FALSE(namedPictures(shapes::program()).empty());
}

TEST(ChancesStagedPictures, EveryPictureIsInstalledAndDecodes) {
    const auto faults = stagedPictureFaults(chances::program());
    EXPECT_TRUE(faults.empty()) << faults.report();
    EXPECT_EQ(namedPictures(chances::program()).size(), 11u);
}

TEST(ChancesStagedPictures, IntersectionSignIsAWindowsBitmapAndTheTablesAreJpegs) {
    // The file names promise the format, and the engine reads by content: a "BM" file is a
    // bitmap whatever its name, anything else must be a JPEG.
    for (const auto& [file, page] : namedPictures(chances::program())) {
        std::ifstream in(stage / file, std::ios::binary);
        std::string start(2, '\0');
        in.read(start.data(), 2);
        const std::string expected = file.ends_with(".bmp") ? "BM" : "\xFF\xD8";
        EXPECT_EQ(start, expected) << "chances, Page " << page << ": " << file;
    }
}

TEST(ShapesStagedPictures, EveryPictureLiesInsideThePageArea) {
    const auto faults = placementFaults(shapes::program());
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesStagedPictures, EveryPictureLiesInsideThePageArea) {
    const auto faults = placementFaults(chances::program());
    EXPECT_TRUE(faults.empty()) << faults.report();
}
