// The real catalogue compiler on folders the tests write: every reference that could lead
// nowhere at run time is refused with a message naming its place, and the build stops.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class CatalogueCompiler : public ::testing::Test {
  protected:
    fs::path folder = fs::temp_directory_path() /
                      ("compiler-" + std::to_string(::getpid()) + "-" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::path output = folder / "out" / "catalogue.cpp";
    std::string messages;

    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder / "lessons");
        fs::create_directories(output.parent_path());
        write("program.txt", "program demo\nlessons 2\npages 3\nstudy-time demo.ti\n");
        lessons("1 2", "3");
        write("pages-1.txt", "page 1 text lesson 1\n 1|One\n"
                             "page 2 text lesson 1\nprogram linesketch.exe\n"
                             "picture 77 a.jpg 120 60\n");
        write("pages-2.txt", "page 3 text lesson 2\n 1|Three\n");
    }
    void TearDown() override { fs::remove_all(folder); }

    void write(const std::string& name, const std::string& text) {
        std::ofstream(folder / "lessons" / name, std::ios::binary) << text;
    }
    void lessons(const std::string& firstSteps, const std::string& secondSteps) {
        write("lessons.txt", "lesson 1\nfirst-page 1\nsteps " + firstSteps +
                                 "\ntitle T\nsummary S\nlesson 2\nfirst-page 3\nsteps " +
                                 secondSteps + "\ntitle U\nsummary V\n");
    }
    // Runs the compiler as the build does; keeps what it said.
    int compile() {
        const fs::path said = folder / "said.txt";
        const std::string command = std::string("'") + CATALOGUE_COMPILER + "' '" +
                                    (folder / "lessons").string() + "' '" + output.string() +
                                    "' linesketch,doorgame 2> '" + said.string() + "'";
        const int status = std::system(command.c_str());
        std::ifstream in(said);
        std::stringstream text;
        text << in.rdbuf();
        messages = text.str();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    void expectRefused(const std::string& message) {
        EXPECT_NE(compile(), 0) << messages;
        EXPECT_NE(messages.find(message), std::string::npos) << messages;
        EXPECT_FALSE(fs::exists(output)) << "no catalogue is written for a faulty folder";
    }
};

} // namespace

TEST_F(CatalogueCompiler, ASoundFolderCompiles) {
    EXPECT_EQ(compile(), 0) << messages;
    EXPECT_TRUE(fs::exists(output));
    EXPECT_FALSE(fs::exists(output.string() + ".tmp"));
}

TEST_F(CatalogueCompiler, RefusesStepsThatLeadOutOfTheirLesson) {
    lessons("1 999", "3");
    expectRefused("demo, lesson 1: Step 2 starts at Page 999, which does not exist");
    lessons("1 3", "3");
    expectRefused("demo, lesson 1: Step 2 starts at Page 3, which belongs to lesson 2");
    lessons("1 0", "3");
    expectRefused("demo, lesson 1: Step 2 starts at Page 0, which does not exist");
}

TEST_F(CatalogueCompiler, RefusesMoreLessonsOrStepsThanThereAreButtons) {
    lessons("1 2 2 2 2 2 2", "3");
    expectRefused("demo, lesson 1: 7 Steps, but there are step buttons for 6 only");
    lessons("1 2", "3");
    write("program.txt", "program demo\nlessons 6\npages 3\n");
    expectRefused("demo: there are lesson buttons for 5 lessons only");
}

TEST_F(CatalogueCompiler, RefusesPictureSlotsAndPlacesOutsideTheWindow) {
    write("pages-2.txt", "page 3 text lesson 2\npicture 83 b.jpg 120 60\n");
    expectRefused("demo, Page 3 (pages-2.txt line 2): page pictures use slots 77..82");
    write("pages-2.txt", "page 3 text lesson 2\npicture 78 b.jpg 900 60\n");
    expectRefused("demo, Page 3 (pages-2.txt line 1): picture b.jpg at 900, 60 lies outside the "
                  "796 x 560 window");
    write("pages-2.txt", "page 3 text lesson 2\nlabel -5 10 x =\n");
    expectRefused("demo, Page 3 (pages-2.txt line 1): label at -5, 10 lies outside");
    write("pages-2.txt", "page 3 text lesson 2\nfield 20 700 500 200 20\naccept 20 1\n"
                         "done 10 10 60 20\n");
    expectRefused("demo, Page 3 (pages-2.txt line 1): field 20 at 700, 500 lies outside");
}

TEST_F(CatalogueCompiler, RefusesAProgramThatIsNotOnTheCoursesList) {
    write("pages-2.txt", "page 3 text lesson 2\nprogram nosuch.exe\n");
    expectRefused("demo, Page 3 (pages-2.txt line 1): program nosuch.exe is not on the course's "
                  "program list");
}

TEST_F(CatalogueCompiler, ReadsPageFilesInNaturalOrder) {
    fs::remove(folder / "lessons" / "pages-1.txt");
    fs::remove(folder / "lessons" / "pages-2.txt");
    write("pages-2.txt", "page 1 text lesson 1\npage 2 text lesson 1\n");
    write("pages-10.txt", "page 3 text lesson 2\n");
    EXPECT_EQ(compile(), 0) << messages;
}

TEST_F(CatalogueCompiler, AnOutputThatCannotBeReplacedFailsTheBuild) {
    fs::create_directories(output / "in-the-way");
    EXPECT_NE(compile(), 0);
    EXPECT_NE(messages.find("cannot replace " + output.string()), std::string::npos) << messages;
    EXPECT_FALSE(fs::exists(output.string() + ".tmp"));
}
