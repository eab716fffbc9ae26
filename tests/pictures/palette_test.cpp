// Reducing rendered pictures to 256 colours: exact when they have no more, and otherwise
// faithful to the 24-bit rendering, the flat colours kept exactly and every pixel given its
// nearest palette colour.

#include "picture_test_files.h"

#include "tools/picture_renderer/colour_census.h"
#include "tools/picture_renderer/palette_builder.h"
#include "tools/picture_renderer/palette_mapping.h"
#include "tools/picture_renderer/picture_output.h"
#include "tools/picture_renderer/svg_picture.h"
#include "tools/picture_renderer/variance_cut.h"

#include "platform/pictures/picture_file.h"

#include <QPainter>
#include <QSet>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>

using namespace picture_test;

namespace {

QImage reduced(const QImage& picture) {
    return tools::mapToPalette(picture, tools::buildPalette(tools::takeColourCensus(picture)));
}

int colourCount(const QImage& picture) {
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y));
    return static_cast<int>(colours.size());
}

double psnr(const QImage& a, const QImage& b) {
    double squares = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (const int shift : {0, 8, 16}) {
                const int d = static_cast<int>((a.pixel(x, y) >> shift) & 0xFF) -
                              static_cast<int>((b.pixel(x, y) >> shift) & 0xFF);
                squares += d * d;
            }
    const double mean = squares / (3.0 * a.width() * a.height());
    return mean == 0 ? INFINITY : 10 * std::log10(255.0 * 255.0 / mean);
}

// The colours that cover at least a part in `share` of the picture: its background and fills.
std::vector<QRgb> widespreadColours(const QImage& picture, double share) {
    std::map<QRgb, long long> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ++counts[picture.pixel(x, y)];
    std::vector<QRgb> widespread;
    for (const auto& [colour, count] : counts)
        if (static_cast<double>(count) >= share * picture.width() * picture.height())
            widespread.push_back(colour);
    return widespread;
}

// Every pixel of those colours comes out exactly that colour.
void expectKeptExactly(const QImage& original, const QImage& reduction,
                       const std::vector<QRgb>& colours) {
    const QSet<QRgb> kept(colours.begin(), colours.end());
    int changed = 0;
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x)
            if (kept.contains(original.pixel(x, y)) &&
                reduction.pixel(x, y) != original.pixel(x, y))
                ++changed;
    EXPECT_EQ(changed, 0) << "pixels of flat colours changed";
}

// Every pixel got the palette colour nearest to it, by a plain search of the table.
void expectNearestColours(const QImage& original, const QImage& reduction) {
    const QList<QRgb> table = reduction.colorTable();
    int farther = 0;
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x) {
            const QRgb colour = original.pixel(x, y);
            int best = INT_MAX;
            for (const QRgb entry : table)
                best = std::min(best, tools::colourDistance(entry, colour));
            farther += tools::colourDistance(reduction.pixel(x, y), colour) > best ? 1 : 0;
        }
    EXPECT_EQ(farther, 0) << "pixels not given their nearest palette colour";
}

// Coloured fills and antialiased strokes, circles and text over white: far more than 256
// colours, nearly all of them on edges.
QImage antialiasedDrawing() {
    QImage drawing(320, 240, QImage::Format_RGB32);
    drawing.fill(Qt::white);
    QPainter painter(&drawing);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor fills[] = {QColor(255, 230, 160), QColor(180, 220, 255), QColor(200, 255, 200),
                            QColor(34, 85, 136)};
    for (int i = 0; i < 4; ++i)
        painter.fillRect(QRectF(10 + 75 * i, 10, 60, 100), fills[i]);
    const QColor strokes[] = {Qt::black, Qt::red, QColor(0, 0, 160), QColor(0, 128, 0),
                              QColor(140, 0, 140)};
    for (int i = 0; i < 40; ++i) {
        painter.setPen(QPen(strokes[i % 5], 1 + i % 3));
        painter.drawLine(QPointF(5 + 7.3 * i, 230), QPointF(300 - 3.1 * i, 5 + 2.7 * i));
        painter.drawEllipse(QPointF(40 + 6.5 * i, 170), 5 + i % 7, 9 + i % 4);
    }
    painter.setPen(Qt::black);
    painter.drawText(QRectF(10, 120, 300, 40), QStringLiteral("a² + b² = c²  ∫ f(x) dx"));
    return drawing;
}

TEST(Palette, APictureOfFewColoursIsKeptExactly) {
    QImage picture(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            picture.setPixel(x, y, qRgb((x * 6) % 256, y < 15 ? 10 : 250, (x / 8) * 50));
    ASSERT_EQ(colourCount(picture), 80);
    const QImage reduction = reduced(picture);
    EXPECT_EQ(reduction.colorCount(), 80);
    EXPECT_EQ(largestChannelDifference(reduction, picture), 0);
}

TEST(Palette, ExactlyTwoHundredFiftySixColoursAreKept) {
    QImage picture(16, 16, QImage::Format_RGB32);
    for (int i = 0; i < 256; ++i)
        picture.setPixel(i % 16, i / 16, qRgb(i, 255 - i, (i * 7) % 256));
    EXPECT_EQ(largestChannelDifference(reduced(picture), picture), 0);
}

TEST(Palette, AnAntialiasedDrawingKeepsItsFillsAndStaysFaithful) {
    const QImage drawing = antialiasedDrawing();
    ASSERT_GT(colourCount(drawing), 1000) << "the drawing must need reducing";
    const QImage reduction = reduced(drawing);
    ASSERT_EQ(reduction.format(), QImage::Format_Indexed8);
    EXPECT_LE(reduction.colorCount(), 256);
    EXPECT_GE(psnr(drawing, reduction), 40);
    expectKeptExactly(drawing, reduction, widespreadColours(drawing, 0.002));
    expectNearestColours(drawing, reduction);
    for (const QRgb fill : {qRgb(255, 230, 160), qRgb(180, 220, 255), qRgb(34, 85, 136)})
        EXPECT_TRUE(reduction.colorTable().contains(fill)) << std::hex << fill;
}

TEST(Palette, VarianceCutFindsClustersAndKeepsFewColours) {
    std::vector<tools::WeightedColour> colours;
    for (int i = 0; i < 10; ++i) {
        colours.push_back({qRgb(10 + i, 20, 30), 1});
        colours.push_back({qRgb(200, 100 + i, 50), 3});
    }
    std::vector<QRgb> means = tools::varianceCutColours(colours, 2);
    std::sort(means.begin(), means.end());
    // Each cluster's mean: 10 + 4.5 and 100 + 4.5, rounded half away from zero.
    EXPECT_EQ(means, (std::vector<QRgb>{qRgb(15, 20, 30), qRgb(200, 105, 50)}));

    const std::vector<tools::WeightedColour> three{
        {qRgb(1, 2, 3), 5}, {qRgb(9, 9, 9), 1}, {qRgb(250, 0, 0), 2}};
    std::vector<QRgb> all = tools::varianceCutColours(three, 8);
    std::sort(all.begin(), all.end());
    EXPECT_EQ(all, (std::vector<QRgb>{qRgb(1, 2, 3), qRgb(9, 9, 9), qRgb(250, 0, 0)}));
}

// A few real pictures of the course, rendered as the build renders them.
class RealPictures : public ::testing::TestWithParam<const char*> {};

TEST_P(RealPictures, StayFaithfulToTheirFullColourRendering) {
    const auto rendered =
        tools::renderSvgPicture(QStringLiteral(PICTURE_SOURCES_DIR "/") + GetParam());
    ASSERT_TRUE(std::holds_alternative<QImage>(rendered))
        << std::get<QString>(rendered).toStdString();
    const QImage picture = std::get<QImage>(rendered);
    QString note;
    const QImage written = platform::loadPictureBytes(tools::bitmapFileOf(picture, note));
    EXPECT_TRUE(note.isEmpty()) << note.toStdString();
    ASSERT_EQ(written.format(), QImage::Format_Indexed8) << "written at 8 bits a pixel";
    EXPECT_GE(psnr(picture, written), 40);
    expectKeptExactly(picture, written, widespreadColours(picture, 0.001));
    expectNearestColours(picture, written);
}

INSTANTIATE_TEST_SUITE_P(Sources, RealPictures,
                         ::testing::Values("common/prof.bmp.svg", "shapes/area4.bmp.svg",
                                           "shapes/3d1.bmp.svg", "fluxions/der3.bmp.svg",
                                           "menu/study.bmp.svg"));

// Noise has no few base colours: a palette would spoil it, so it keeps 24 bits and says why.
TEST(Palette, APictureThePaletteCannotKeepStaysAtTwentyFourBits) {
    QImage noise(64, 64, QImage::Format_RGB32);
    std::mt19937 random(5);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            noise.setPixel(x, y, static_cast<uint>(random()) | 0xFF000000u);
    QString note;
    const QByteArray file = tools::bitmapFileOf(noise, note);
    ASSERT_GT(file.size(), 30);
    EXPECT_EQ(file[28], 24) << "bits a pixel";
    EXPECT_TRUE(note.contains(QStringLiteral("24 bits"))) << note.toStdString();
    EXPECT_TRUE(note.contains(QStringLiteral("PSNR"))) << note.toStdString();
    EXPECT_EQ(largestChannelDifference(platform::loadPictureBytes(file), noise), 0);
}

} // namespace
