#include "menu/core/farewell_tips.h"
#include "menu/core/tick_seeded_random.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

const std::string& tip(int number) {
    return menu::farewellTips().at(std::size_t(number));
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\r')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

bool startsWith(const std::string& text, const std::string& beginning) {
    return text.compare(0, beginning.size(), beginning) == 0;
}

} // namespace

TEST(FarewellTips, BeginningsAndShapes) {
    EXPECT_EQ(tip(0), "A little bit each day (20 minutes) is better than a lot all at once and "
                      "then skipping days.");
    EXPECT_TRUE(startsWith(tip(1), "Stay relaxed, confident, and remind yourself that you are "
                                   "well-prepared and are going to do well."));
    EXPECT_EQ(tip(1).size(), 251u);
    EXPECT_EQ(tip(1).find('\r'), std::string::npos);

    const auto two = linesOf(tip(2));
    ASSERT_EQ(two.size(), 3u);
    EXPECT_EQ(two[0], "Answer questions in a strategic order:");
    EXPECT_TRUE(startsWith(two[1], "First answer easy questions"));
    EXPECT_TRUE(startsWith(two[2], "Then difficult questions"));

    const auto three = linesOf(tip(3));
    ASSERT_EQ(three.size(), 2u);
    EXPECT_EQ(three[0], "Review:");
    EXPECT_TRUE(startsWith(three[1], "Resist the urge to leave"));

    EXPECT_TRUE(startsWith(tip(4), "Do not 'second-guess' yourself and change your original "
                                   "answers."));
    EXPECT_EQ(tip(4).size(), 343u);
    EXPECT_EQ(tip(4).find('\r'), std::string::npos);
}

TEST(FarewellTips, DifficultQuestionsStrategyHasFiveItemsSeparatedByEmptyLines) {
    const auto lines = linesOf(tip(5));
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], "Strategy to answer difficult questions:");
    EXPECT_EQ(lines[2], "Echo options:");
    EXPECT_EQ(lines[5], "Question options that contain negative or absolute words:");
    EXPECT_EQ(lines[8], "Look alike options:");
    EXPECT_EQ(lines[11], "Eliminate options you know to be incorrect.");
    EXPECT_EQ(lines[13], "Question options that grammatically don't fit with the stem.");
    for (int empty : {1, 4, 7, 10, 12})
        EXPECT_EQ(lines[std::size_t(empty)], "") << "line " << empty;
    for (int explaining : {3, 6, 9})
        EXPECT_FALSE(lines[std::size_t(explaining)].empty()) << "line " << explaining;
}

TEST(FarewellTips, StudyTipsWatchAndDwell) {
    const auto six = linesOf(tip(6));
    ASSERT_EQ(six.size(), 13u);
    EXPECT_EQ(six[0], "Study Tips:");
    EXPECT_EQ(six[2], "Study in the Same Place:");
    EXPECT_EQ(six[5], "Study at the Same Time:");
    EXPECT_EQ(six[8], "Cut Out All Distractions");
    EXPECT_EQ(six[11], "Avoid Doing a Marathon:");
    for (int empty : {1, 4, 7, 10})
        EXPECT_EQ(six[std::size_t(empty)], "");

    const auto seven = linesOf(tip(7));
    ASSERT_EQ(seven.size(), 5u);
    EXPECT_TRUE(startsWith(seven[0], "Wear a watch to the Tamlex"));
    EXPECT_EQ(seven[1], "");
    EXPECT_EQ(seven[3], "");

    const auto eight = linesOf(tip(8));
    ASSERT_EQ(eight.size(), 3u);
    EXPECT_EQ(eight[0], "Don't Dwell");
    EXPECT_EQ(eight[1], "");
    // The second "Don't" has the Windows-1252 right single quotation mark.
    EXPECT_TRUE(startsWith(eight[2], "Don\x92t "));
}

TEST(FarewellTips, LinesBreakOnlyWithCarriageReturns) {
    for (const std::string& text : menu::farewellTips()) {
        EXPECT_EQ(text.find('\n'), std::string::npos);
        EXPECT_EQ(text.find("\r\r\r"), std::string::npos);
        EXPECT_NE(text.back(), '\r');
    }
}

TEST(FarewellChoice, AsksForOneOfTheNineAndShowsThatOne) {
    std::vector<std::pair<int, int>> asked;
    for (int drawn = 0; drawn < 9; ++drawn) {
        const int chosen = menu::chooseFarewellTip([&](int low, int high) {
            asked.emplace_back(low, high);
            return drawn;
        });
        EXPECT_EQ(chosen, drawn);
    }
    for (const auto& range : asked)
        EXPECT_EQ(range, std::make_pair(0, 8));
}

TEST(FarewellChoice, EveryTipIsEquallyLikely) {
    menu::TickSeededRandom random(20040601);
    const menu::UniformIntegers source = [&](int low, int high) { return random(low, high); };
    constexpr int draws = 90000;
    std::array<int, 9> counts{};
    for (int i = 0; i < draws; ++i)
        ++counts.at(std::size_t(menu::chooseFarewellTip(source)));
    // Chi-square with 8 degrees of freedom; 26.1 is exceeded once in a thousand runs.
    double chiSquare = 0;
    for (int count : counts)
        chiSquare += (count - draws / 9.0) * (count - draws / 9.0) / (draws / 9.0);
    EXPECT_LT(chiSquare, 26.1);
    EXPECT_GT(counts[8], 0);
    EXPECT_GT(counts[0], 0);
}
