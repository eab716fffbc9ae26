#include "engine/catalogue/catalogue_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace engine;
namespace fs = std::filesystem;

namespace {

// A catalogue folder written by the test, with one bad thing in it at a time.
class CatalogueFolder : public ::testing::Test {
  protected:
    fs::path folder =
        fs::temp_directory_path() /
        ("catalogue-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());

    void SetUp() override {
        fs::create_directories(folder);
        write("program.txt", "program demo\nlessons 1\npages 2\nstudy-time demo.ti\n");
        write("lessons.txt", "lesson 1\nfirst-page 1\nsteps 1\ntitle T\nsummary S\n");
    }
    void TearDown() override { fs::remove_all(folder); }
    void write(const std::string& name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
    }
    CatalogueSource read() { return readCatalogueFolder(folder); }
    static bool mentions(const CatalogueSource& s, const std::string& part) {
        for (const auto& e : s.errors)
            if (e.find(part) != std::string::npos)
                return true;
        return false;
    }
};

} // namespace

TEST(CatalogueSample, ReadsWithoutFaultsAndKeepsBlanksAndWindows1252) {
    auto source = readCatalogueFolder(SAMPLE_LESSONS);
    ASSERT_TRUE(source.errors.empty()) << source.errors.front();
    ASSERT_EQ(source.pages.size(), 12u);
    EXPECT_EQ(source.pages[2].lines[3], "  A. always equal");
    EXPECT_EQ(source.pages[5].entry.labels[0].text, "a =          degrees");
    EXPECT_EQ(source.pages[4].lines[2], "\xC0 propos: the angle sum is 180\xB0.");
    EXPECT_EQ(source.settings.savedPlace.filter, "*.smp|*.smp");
    EXPECT_EQ(source.lessons[1].stepFirstPages, (std::vector<int>{5, 7, 9}));
}

TEST(CatalogueSample, StoredContentHoldsOneRecordPerPageInOrder) {
    auto source = readCatalogueFolder(SAMPLE_LESSONS);
    const std::string content = buildStoredContent(source.pages);
    EXPECT_EQ(source.pages[0].entry.record, 0u);
    EXPECT_EQ(source.pages[1].entry.record - source.pages[0].entry.record,
              std::string("Lesson 1 - Angles").size() +
                  std::string("Two lines that cross make four angles.").size() + 27)
        << "a text record is 27 texts";
    const std::size_t questionStart = source.pages[1].entry.record;
    const std::size_t questionLength = source.pages[2].entry.record - questionStart;
    const std::string question = content.substr(questionStart, questionLength);
    EXPECT_EQ(std::count(question.begin(), question.end(), '\0'), 18)
        << "a question record is 18 texts";
    EXPECT_EQ(question.substr(question.size() - 2), std::string("a") + '\0');
}

TEST_F(CatalogueFolder, NamesThePageOfEachFault) {
    write("pages-1.txt", "page 1 question lesson 1\ntutor\n 1|Q\nanswer e\n"
                         "page 3 text lesson 1\n");
    const auto s = read();
    EXPECT_TRUE(mentions(
        s, "demo, Page 1 (pages-1.txt line 1): a Page that shows the tutor is a text Page"));
    EXPECT_TRUE(mentions(s, "answer letter is a, b, c or d"));
    EXPECT_TRUE(
        mentions(s, "Page 3 (pages-1.txt line 5): Pages must follow each other; expected Page 2"));
}

TEST_F(CatalogueFolder, RefusesLinesOutOfRangeOrOrderAndCharactersWithoutAByte) {
    write("pages-1.txt", "page 1 text lesson 1\n 3|c\n 2|b\n18|x\ns11|y\n 4|\xCF\x80 r^2\n"
                         "page 2 text lesson 1\n 1|fine\n");
    const auto s = read();
    EXPECT_TRUE(mentions(s, "line 2 is out of order"));
    EXPECT_TRUE(mentions(s, "text line 18 is outside 1..17"));
    EXPECT_TRUE(mentions(s, "speech line 11 is outside 1..10"));
    EXPECT_TRUE(mentions(s, "Windows-1252 cannot hold"));
}

TEST_F(CatalogueFolder, ChecksFillInPagesAndTheLastPage) {
    write("pages-1.txt", "page 1 question lesson 1\nfield 21 1 2 3 4\naccept 22 x\n"
                         "page 2 question lesson 1\nanswer a\n");
    const auto s = read();
    EXPECT_TRUE(mentions(s, "expected 20"));
    EXPECT_TRUE(mentions(s, "accept names no field"));
    EXPECT_TRUE(mentions(s, "field 21 accepts no answer"));
    EXPECT_TRUE(mentions(s, "needs a done button"));
    EXPECT_TRUE(mentions(s, "a question Page cannot be the last Page"));
}

TEST_F(CatalogueFolder, ChecksPageCountAndLessonTable) {
    write("lessons.txt", "lesson 1\nfirst-page 2\nsteps 1\n");
    write("pages-1.txt", "page 1 text lesson 1\n");
    const auto s = read();
    EXPECT_TRUE(mentions(s, "declares 2 Pages, the files hold 1"));
    EXPECT_TRUE(mentions(s, "first Page 2 does not exist"));
    EXPECT_TRUE(mentions(s, "Step 1 must start at the lesson's first Page"));
}
