#include "help_test_support.h"

#include "platform/help/chm_archive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using platform::ChmArchive;
using platform::ChmOpenStatus;
using platform::ChmReadStatus;

namespace {

const std::string courseTitle = "Orvo the Tamlex Vuvudu Rodezav Iruv";

bool isKnownStatus(ChmReadStatus status) {
    return status == ChmReadStatus::Read || status == ChmReadStatus::ObjectMissing ||
           status == ChmReadStatus::Damaged;
}

} // namespace

TEST(ChmArchive, ReadsTheIntroductionOfTheCompiledHelp) {
    const ChmArchive archive(help_test::compiledHelpFile());
    ASSERT_EQ(archive.openStatus(), ChmOpenStatus::Opened);
    const auto page = archive.read("/introduction.html");
    ASSERT_EQ(page.status, ChmReadStatus::Read);
    EXPECT_NE(page.bytes.find("<title>"), std::string::npos);
    EXPECT_NE(page.bytes.find(courseTitle), std::string::npos);
}

TEST(ChmArchive, NamesObjectsWithOrWithoutTheLeadingSlash) {
    const ChmArchive archive(help_test::compiledHelpFile());
    const auto withSlash = archive.read("/geometry.html");
    const auto withoutSlash = archive.read("geometry.html");
    ASSERT_EQ(withSlash.status, ChmReadStatus::Read);
    EXPECT_EQ(withoutSlash.status, ChmReadStatus::Read);
    EXPECT_EQ(withSlash.bytes, withoutSlash.bytes);
}

TEST(ChmArchive, ReadsPicturesByteForByte) {
    const ChmArchive archive(help_test::compiledHelpFile());
    const auto picture = archive.read("/pictures/door_tree.png");
    ASSERT_EQ(picture.status, ChmReadStatus::Read);
    EXPECT_EQ(picture.bytes.substr(0, 4), "\x89PNG");
}

TEST(ChmArchive, ListsItsFilesWithoutBookkeeping) {
    const ChmArchive archive(help_test::compiledHelpFile());
    const auto paths = archive.filePaths();
    EXPECT_NE(std::find(paths.begin(), paths.end(), "/introduction.html"), paths.end());
    EXPECT_NE(std::find(paths.begin(), paths.end(), "/toc.hhc"), paths.end());
    EXPECT_EQ(std::find(paths.begin(), paths.end(), "/#SYSTEM"), paths.end());
}

TEST(ChmArchive, ReportsObjectsItDoesNotHold) {
    const ChmArchive archive(help_test::compiledHelpFile());
    EXPECT_EQ(archive.read("/no_such_topic.html").status, ChmReadStatus::ObjectMissing);
    EXPECT_FALSE(archive.contains("/no_such_topic.html"));
    EXPECT_TRUE(archive.contains("/style.css"));
    // Longer than any path the file format can hold.
    const std::string overlong = "/" + std::string(600, 'a') + ".html";
    EXPECT_EQ(archive.read(overlong).status, ChmReadStatus::ObjectMissing);
    EXPECT_FALSE(archive.contains(overlong));
}

TEST(ChmArchive, ReportsAMissingFileOrAFolder) {
    const help_test::ScratchFolder scratch;
    const ChmArchive missing(scratch.file("help.chm"));
    EXPECT_EQ(missing.openStatus(), ChmOpenStatus::FileMissing);
    EXPECT_EQ(missing.read("/introduction.html").status, ChmReadStatus::NotOpen);
    EXPECT_TRUE(missing.filePaths().empty());

    const ChmArchive folder(scratch.file(""));
    EXPECT_EQ(folder.openStatus(), ChmOpenStatus::FileMissing);
}

TEST(ChmArchive, RefusesFilesThatAreNoHelpFiles) {
    const help_test::ScratchFolder scratch;
    const std::vector<std::string> foreign = {
        "",                                  // empty
        "ITSF",                              // signature only
        "This is not a help file at all.\n", // text
        "ITSF" + std::string(300, '\x7f'),   // signature, then nonsense
        std::string(4096, '\0'),             // zeros
    };
    for (const std::string& bytes : foreign) {
        help_test::writeBytes(scratch.file("foreign.chm"), bytes);
        const ChmArchive archive(scratch.file("foreign.chm"));
        EXPECT_EQ(archive.openStatus(), ChmOpenStatus::NotAHelpFile) << bytes.size();
        EXPECT_EQ(archive.read("/introduction.html").status, ChmReadStatus::NotOpen);
    }
}

TEST(ChmArchive, RefusesAHelpFileThatIsCutOff) {
    const help_test::ScratchFolder scratch;
    const std::string whole = help_test::readBytes(help_test::compiledHelpFile());
    ASSERT_GT(whole.size(), 1000u);
    for (const double share : {0.01, 0.1, 0.5, 0.9, 0.999}) {
        const auto length = static_cast<std::size_t>(static_cast<double>(whole.size()) * share);
        help_test::writeBytes(scratch.file("cut.chm"), whole.substr(0, length));
        const ChmArchive archive(scratch.file("cut.chm"));
        EXPECT_EQ(archive.openStatus(), ChmOpenStatus::NotAHelpFile) << share;
    }
    help_test::writeBytes(scratch.file("whole.chm"), whole);
    EXPECT_TRUE(ChmArchive(scratch.file("whole.chm")).isOpen());
}

TEST(ChmArchive, SurvivesDamagedBytesAnywhereInTheFile) {
    const help_test::ScratchFolder scratch;
    const std::string whole = help_test::readBytes(help_test::compiledHelpFile());
    const auto paths = ChmArchive(help_test::compiledHelpFile()).filePaths();
    ASSERT_FALSE(paths.empty());
    std::mt19937 random(2004);
    for (int round = 0; round < 60; ++round) {
        std::string damaged = whole;
        // Half of the rounds hit the header and directory, the rest anywhere.
        const std::size_t range =
            round % 2 == 0 ? std::min<std::size_t>(0x2000, whole.size()) : whole.size();
        for (int hit = 0; hit < 8; ++hit) {
            damaged[random() % range] = static_cast<char>(random());
        }
        help_test::writeBytes(scratch.file("damaged.chm"), damaged);
        const ChmArchive archive(scratch.file("damaged.chm"));
        if (!archive.isOpen()) {
            EXPECT_EQ(archive.openStatus(), ChmOpenStatus::NotAHelpFile);
            continue;
        }
        for (const std::string& path : paths) {
            EXPECT_TRUE(isKnownStatus(archive.read(path).status)) << path;
        }
    }
}
