#include "engine/core/saved_place.h"

#include <gtest/gtest.h>

using namespace engine;

TEST(SavedPlace, FourLinesRoundTrip) {
    LessonState state;
    state.currentPage = 17;
    state.currentLesson = 1;
    state.stepButtonCount = 1;
    const std::string text = formatSavedPlace(state);
    EXPECT_EQ(text, "0\r\n17\r\n1\r\n1\r\n");
    const auto place = parseSavedPlace(text);
    ASSERT_TRUE(place);
    EXPECT_EQ(place->page, 17);
    EXPECT_EQ(place->lesson, 1);
    EXPECT_EQ(place->stepButtonCount, 1);
}

TEST(SavedPlace, GarbledFilesAreRefused) {
    EXPECT_FALSE(parseSavedPlace(""));
    EXPECT_FALSE(parseSavedPlace("0\r\n17\r\n1\r\n"));
    EXPECT_FALSE(parseSavedPlace("0\r\nseventeen\r\n1\r\n1\r\n"));
    EXPECT_FALSE(parseSavedPlace("0\r\n17x\r\n1\r\n1\r\n"));
    EXPECT_FALSE(parseSavedPlace("\x89PNG\r\n\x1a\n"));
    EXPECT_TRUE(parseSavedPlace("0\n5\n2\n4")) << "plain line feeds and no last line end";
}

TEST(SavedPlace, ExtensionIsAppendedUnlessPresentInAnyCase) {
    EXPECT_EQ(withExtension("/tmp/place", ".num"), "/tmp/place.num");
    EXPECT_EQ(withExtension("/tmp/place.NUM", ".num"), "/tmp/place.NUM");
    EXPECT_EQ(withExtension("/tmp/place.num.bak", ".num"), "/tmp/place.num.bak.num");
}
