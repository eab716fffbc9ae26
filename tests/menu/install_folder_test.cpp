#include "menu/core/install_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// A scratch "Program Files" folder that may or may not hold the course's folder.
class ProgramFiles : public ::testing::Test {
  protected:
    fs::path root;
    std::string menuFolder = "/opt/elsewhere/course";

    void SetUp() override {
        root =
            fs::temp_directory_path() /
            ("menu-install-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override {
        fs::remove_all(root);
        unsetenv("ProgramFiles");
    }
    std::string courseFolder() const {
        return root.string() + menu::folderSeparator + std::string(menu::installFolderName);
    }
};

bool never(const std::string&) {
    return false;
}
bool always(const std::string&) {
    return true;
}

} // namespace

TEST_F(ProgramFiles, TheCourseFolderUnderProgramFilesWhenItExists) {
    fs::create_directory(courseFolder());
    setenv("ProgramFiles", root.c_str(), 1);
    EXPECT_EQ(menu::installFolderFromEnvironment(menuFolder), courseFolder());
}

TEST_F(ProgramFiles, TheMenuProgramsFolderWhenTheCourseFolderIsMissing) {
    setenv("ProgramFiles", root.c_str(), 1);
    EXPECT_EQ(menu::installFolderFromEnvironment(menuFolder), menuFolder);
}

TEST_F(ProgramFiles, TheMenuProgramsFolderWhenProgramFilesIsUnset) {
    fs::create_directory(courseFolder());
    unsetenv("ProgramFiles");
    EXPECT_EQ(menu::installFolderFromEnvironment(menuFolder), menuFolder);
}

TEST(InstallFolder, JoinsWithThePlatformsSeparator) {
    const std::string expected = std::string("C:") + menu::folderSeparator + "Program Files" +
                                 menu::folderSeparator + "Orvo the Tamlex Vuvudu Rodezav Iruv";
    std::string looked;
    const auto recordAndAccept = [&](const std::string& folder) {
        looked = folder;
        return true;
    };
    const std::string programFiles = std::string("C:") + menu::folderSeparator + "Program Files";
    EXPECT_EQ(menu::installFolderFor(programFiles, "/x", recordAndAccept), expected);
    EXPECT_EQ(looked, expected);
}

TEST(InstallFolder, AnEmptyProgramFilesStillNamesAFolderThatMayExist) {
    const std::string rooted =
        std::string(1, menu::folderSeparator) + std::string(menu::installFolderName);
    EXPECT_EQ(menu::installFolderFor(std::string(), "/x", always), rooted);
    EXPECT_EQ(menu::installFolderFor(std::string(), "/x", never), "/x");
    EXPECT_EQ(menu::installFolderFor(std::nullopt, "/x", always), "/x");
}
