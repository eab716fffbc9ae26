#include "menu/core/main_layout.h"
#include "menu/core/subtest_windows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using menu::Point;
using menu::Rect;
using menu::Size;

struct LinkRow {
    int control;
    std::string text;
    Rect rect;
    bool operator==(const LinkRow&) const = default;
};

std::vector<LinkRow> linksOf(int section) {
    std::vector<LinkRow> rows;
    int k = 0;
    for (const menu::SubtestLink& link : menu::subtestWindowForSection(section).links) {
        const Point at = menu::linkPosition(k++);
        rows.push_back({link.control,
                        std::string(link.text),
                        {at.x, at.y, link.size.width, link.size.height}});
    }
    return rows;
}

void PrintTo(const LinkRow& row, std::ostream* out) {
    *out << row.control << " \"" << row.text << "\" (" << row.rect.x << ", " << row.rect.y << ") "
         << row.rect.width << " x " << row.rect.height;
}

} // namespace

TEST(MainLayout, MenuBarCountedInHPutsTheListAt310) {
    // A 1000 pixel high maximised area under a 20 pixel menu bar: H = 1020.
    const menu::MainLayout layout = menu::mainLayoutFor(1280, 1020);
    EXPECT_EQ(layout.sectionList, (Rect{390, 310, 440, 140}));
    EXPECT_EQ(layout.studyButton, (Rect{390, 460, 90, 48}));
    EXPECT_EQ(layout.quitButton, (Rect{540, 460, 90, 48}));
    EXPECT_EQ(layout.backgroundPanel, (Rect{0, 0, 1280, 1020}));
}

TEST(MainLayout, HalvesRoundDown) {
    const menu::MainLayout layout = menu::mainLayoutFor(1023, 745);
    EXPECT_EQ(layout.sectionList, (Rect{511 - 250, 372 - 200, 440, 140}));
    EXPECT_EQ(layout.studyButton, (Rect{261, 322, 90, 48}));
    EXPECT_EQ(layout.quitButton, (Rect{411, 322, 90, 48}));
}

TEST(SubtestWindows, TitlesSizesFramesAndBackButtons) {
    const menu::SubtestWindowLayout& one = menu::subtestWindowForSection(0);
    EXPECT_EQ(one.windowNumber, 1);
    EXPECT_EQ(one.title, "Orvo the Tamlex Subtest I");
    EXPECT_EQ(one.innerSize, (Size{400, 360}));
    EXPECT_EQ(one.frameControl, 46);
    EXPECT_EQ(one.frameSize, (Size{380, 275}));
    EXPECT_EQ(one.backControl, 45);
    EXPECT_EQ(one.backPosition, (Point{150, 305}));

    const menu::SubtestWindowLayout& two = menu::subtestWindowForSection(1);
    EXPECT_EQ(two.windowNumber, 4);
    EXPECT_EQ(two.title, "Orvo the Tamlex Subtest II");
    EXPECT_EQ(two.innerSize, (Size{400, 240}));
    EXPECT_EQ(two.frameControl, 54);
    EXPECT_EQ(two.frameSize, (Size{380, 170}));
    EXPECT_EQ(two.backControl, 53);
    EXPECT_EQ(two.backPosition, (Point{150, 200}));

    const menu::SubtestWindowLayout& three = menu::subtestWindowForSection(2);
    EXPECT_EQ(three.windowNumber, 5);
    EXPECT_EQ(three.title, "Orvo the Tamlex Subtest III");
    EXPECT_EQ(three.innerSize, (Size{400, 200}));
    EXPECT_EQ(three.frameControl, 62);
    EXPECT_EQ(three.frameSize, (Size{380, 120}));
    EXPECT_EQ(three.backControl, 63);
    EXPECT_EQ(three.backPosition, (Point{150, 150}));

    EXPECT_EQ(menu::selectFramePosition, (Point{10, 15}));
    EXPECT_EQ(menu::selectFrameCaption, "Select");
    EXPECT_EQ(menu::backButtonSize, (Size{90, 38}));
}

TEST(SubtestWindows, LinksOneUnderTheOtherFiftyPixelsApart) {
    EXPECT_EQ(linksOf(0), (std::vector<LinkRow>{
                              {40, "Algebraic Structures", {20, 45, 320, 25}},
                              {41, "Numbers", {20, 95, 250, 25}},
                              {42, "Rings, Fields, and Matrices", {20, 145, 250, 25}},
                              {43, "Vectors", {20, 195, 250, 25}},
                              {44, "Number Theory", {20, 245, 250, 25}},
                          }));
    EXPECT_EQ(linksOf(1), (std::vector<LinkRow>{
                              {50, "Geometry", {20, 45, 320, 25}},
                              {51, "Probability", {20, 95, 250, 25}},
                              {52, "Statistics", {20, 145, 250, 25}},
                          }));
    EXPECT_EQ(linksOf(2), (std::vector<LinkRow>{
                              {60, "Calculus", {20, 45, 180, 25}},
                              {61, "History of Mathematics", {20, 95, 250, 25}},
                          }));
}

TEST(SubtestWindows, EveryLinkAndTheBackButtonLieInsideTheWindow) {
    for (int section = 0; section < 3; ++section) {
        const menu::SubtestWindowLayout& layout = menu::subtestWindowForSection(section);
        int k = 0;
        for (const menu::SubtestLink& link : layout.links) {
            const Point at = menu::linkPosition(k++);
            EXPECT_LE(at.y + link.size.height, 15 + layout.frameSize.height) << link.text;
        }
        EXPECT_LE(layout.backPosition.y + menu::backButtonSize.height, layout.innerSize.height);
    }
}
