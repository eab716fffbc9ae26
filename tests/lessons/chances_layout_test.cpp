// The probability Pages measured with the lesson fonts: white text drawn over the light
// part of a picture cannot be read, a picture over the speech bubble or the tutor hides them, and
// text over the bubble is white on pale yellow. Only the intersection sign belongs in the
// bubble: it is drawn into the blanks that Page 46's speech leaves for it.
#include "chances_catalogue.h"
#include "engine/core/choice_line.h"
#include "engine/core/window_layout.h"
#include "engine/view/lesson_fonts.h"
#include "platform/pictures/picture_file.h"
#include "platform/qt/course_text.h"

#include <QFontMetrics>
#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <filesystem>

using namespace chances;
using engine::FontNumber;
using engine::PageSource;

namespace {

namespace layout = engine::layout;

const std::filesystem::path stage = STAGE_DIR;

const engine::LessonFonts& fonts() {
    static const engine::LessonFonts lessonFonts(program().source().settings.fontFace);
    return lessonFonts;
}

int widthOf(FontNumber font, const std::string& text) {
    return QFontMetrics(fonts().font(font)).horizontalAdvance(platform::fromWindows1252(text));
}

std::string shownRect(const QRect& r) {
    return "(" + std::to_string(r.x()) + ", " + std::to_string(r.y()) + ", " +
           std::to_string(r.width()) + " x " + std::to_string(r.height()) + ")";
}

struct PlacedPicture {
    std::string file;
    QRect rect;
    QImage image; // in the size it is drawn
};

// The Page's pictures as drawn, from the installation folder.
std::vector<PlacedPicture> placedPictures(const PageSource& page) {
    std::vector<PlacedPicture> out;
    for (const auto& p : page.entry.pictures) {
        QImage image = platform::loadPictureFile((stage / p.file).string());
        if (image.isNull())
            continue; // reported by the staged pictures' test
        if (p.stretchWidth)
            image = image.scaled(p.stretchWidth, p.stretchHeight);
        out.push_back({p.file, QRect(QPoint(p.x, p.y), image.size()), image});
    }
    return out;
}

// White text stays readable over the parts of a picture that are as dark as the page blue,
// such as the blue strip down the left of the probability trees.
bool isDarkUnder(const PlacedPicture& picture, const QRect& area) {
    const QRect inside = area.intersected(picture.rect).translated(-picture.rect.topLeft());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(picture.image.pixel(x, y)) >= 128)
                return false;
    return true;
}

// Where text line i stands; the solution Pages' line 1 also carries "Correct" or "Wrong".
QRect textLineRect(const PageSource& page, int i) {
    std::string line = textLine(page, i);
    const PageSource* before = sourcePage(page.number - 1);
    if (i == 1 && before && before->entry.layout == engine::RecordLayout::Question)
        line += "Correct";
    if (line.empty())
        return {};
    const int x = engine::isChoiceLine(line) ? layout::choiceTextX : layout::textX;
    return QRect(x, layout::textLineHeight * (i - 1), widthOf(FontNumber::Page, line),
                 layout::textLineHeight);
}

int speechLineCount(const PageSource& page) {
    int count = 0;
    for (int k = 1; k <= 10; ++k)
        count += !speechLine(page, k).empty();
    return count;
}

// The bubble of a tutor Page with speech: it grows upwards from y = 445.
QRect bubbleRect(const PageSource& page) {
    const int n = speechLineCount(page);
    if (!page.entry.tutorShown || n == 0)
        return {};
    return QRect(layout::bubbleX, layout::bubbleLastLineY - layout::speechLineHeight * (n - 1),
                 layout::bubbleWidth, 40 + layout::speechLineHeight * (n - 1));
}

int speechLineY(const PageSource& page, int k) {
    return layout::bubbleLastLineY - layout::speechLineHeight * (speechLineCount(page) - k);
}

QRect tutorRect() {
    const QImage tutor = platform::loadPictureFile((stage / "prof.bmp").string());
    return QRect(layout::tutorX, layout::tutorY, tutor.width(), tutor.height());
}

// The x range of the widest run of blanks on speech line k of a Page, as drawn.
std::pair<int, int> widestGap(const PageSource& page, int k) {
    const std::string& line = speechLine(page, k);
    std::size_t bestStart = 0;
    std::size_t bestLength = 0;
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t end = line.find_first_not_of(' ', i);
        const std::size_t stop = end == std::string::npos ? line.size() : end;
        if (line[i] == ' ' && stop - i > bestLength) {
            bestStart = i;
            bestLength = stop - i;
        }
        i = line[i] == ' ' ? stop : i + 1;
    }
    return {layout::bubbleTextX + widthOf(FontNumber::Speech, line.substr(0, bestStart)),
            layout::bubbleTextX +
                widthOf(FontNumber::Speech, line.substr(0, bestStart + bestLength))};
}

bool isIntersectionSign(const PlacedPicture& picture) {
    return picture.file == "intersect.bmp";
}

} // namespace

TEST(ChancesLayout, TextStaysOffTheLightPartsOfPictures) {
    Faults faults;
    for (const auto& page : program().source().pages)
        for (const auto& picture : placedPictures(page))
            for (int i = 1; i <= 17; ++i)
                if (const QRect line = textLineRect(page, i);
                    line.intersects(picture.rect) && !isDarkUnder(picture, line))
                    faults.add(page.number, "text line " + std::to_string(i) + " " +
                                                shownRect(line) + " runs over the light part of " +
                                                picture.file + " " + shownRect(picture.rect));
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesLayout, TextStaysAboveTheSpeechBubble) {
    Faults faults;
    for (const auto& page : program().source().pages) {
        const QRect bubble = bubbleRect(page);
        for (int i = 1; i <= 17 && !bubble.isNull(); ++i)
            if (const QRect line = textLineRect(page, i); line.intersects(bubble))
                faults.add(page.number, "text line " + std::to_string(i) + " " + shownRect(line) +
                                            " runs into the speech bubble " + shownRect(bubble));
    }
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesLayout, PicturesLeaveTheBubbleAndTheTutorFree) {
    Faults faults;
    const QRect tutor = tutorRect();
    ASSERT_FALSE(tutor.isEmpty()) << "prof.bmp is not in the installation folder";
    for (const auto& page : program().source().pages)
        for (const auto& picture : placedPictures(page)) {
            const QRect bubble = bubbleRect(page);
            if (!isIntersectionSign(picture) && picture.rect.intersects(bubble))
                faults.add(page.number, picture.file + " " + shownRect(picture.rect) +
                                            " covers the speech bubble " + shownRect(bubble));
            if (page.entry.tutorShown && picture.rect.intersects(tutor))
                faults.add(page.number, picture.file + " " + shownRect(picture.rect) +
                                            " covers the tutor " + shownRect(tutor));
        }
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesLayout, IntersectionSignsFillTheGapsOfPage46sSpeech) {
    const PageSource* page = sourcePage(46);
    ASSERT_TRUE(page);
    const auto pictures = placedPictures(*page);
    ASSERT_EQ(pictures.size(), 2u) << "intersect.bmp is drawn twice";
    for (const auto& sign : pictures) {
        const int middle = sign.rect.center().y();
        int k = 1;
        while (k <= 10 && !(middle >= speechLineY(*page, k) &&
                            middle < speechLineY(*page, k) + layout::speechLineHeight))
            ++k;
        ASSERT_LE(k, speechLineCount(*page))
            << "the sign at y = " << sign.rect.y() << " stands on no speech line";
        const auto [gapStart, gapEnd] = widestGap(*page, k);
        EXPECT_TRUE(sign.rect.left() >= gapStart && sign.rect.right() < gapEnd)
            << "chances, Page 46: the sign " << shownRect(sign.rect) << " does not fit the gap "
            << gapStart << " to " << gapEnd << " of speech line " << k << " "
            << shown(speechLine(*page, k)) << ": it covers the letters beside it";
    }
}
