// Curves stroked in pieces must look like the same curve stroked whole: the same pixels inked,
// no gaps or bridges where pieces meet or where the curve breaks, and a dashed pattern that
// runs on instead of starting again with every piece.
#include "kit/view/curve_stroke.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>

namespace {

constexpr int width = 1280;
constexpr int height = 400;

// A sine wave sampled every 2 pixels, as a plotted function is, broken where |x - 600| < 40
// (a function undefined there).
QPainterPath brokenWave() {
    QPainterPath path;
    bool drawing = false;
    for (int x = 0; x <= width; x += 2) {
        if (std::abs(x - 600) < 40) {
            drawing = false;
            continue;
        }
        const QPointF p(x, height / 2 + 150 * std::sin(x / 90.0));
        if (drawing)
            path.lineTo(p);
        else
            path.moveTo(p);
        drawing = true;
    }
    return path;
}

QImage render(const QPen& pen, const std::function<void(QPainter&)>& draw) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    draw(painter);
    return image;
}

struct Difference {
    int inkedWhole = 0;    // pixels the whole curve darkens
    int inkedDiffer = 0;   // pixels inked in one picture and not in the other
    int visiblyDiffer = 0; // pixels whose grey differs by more than 24 of 255
};

Difference compare(const QImage& whole, const QImage& pieces) {
    Difference d;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int a = qGray(whole.pixel(x, y)), b = qGray(pieces.pixel(x, y));
            d.inkedWhole += a < 128;
            d.inkedDiffer += (a < 128) != (b < 128);
            d.visiblyDiffer += std::abs(a - b) > 24;
        }
    return d;
}

Difference strokeBothWays(const QPen& pen) {
    const QPainterPath wave = brokenWave();
    const QImage whole = render(pen, [&](QPainter& p) { p.drawPath(wave); });
    const QImage pieces = render(pen, [&](QPainter& p) { kit::strokeCurve(p, wave); });
    return compare(whole, pieces);
}

} // namespace

TEST(CurveStroke, ASolidCurveInPiecesInksTheSamePixelsAsTheWholeCurve) {
    const Difference d = strokeBothWays(QPen(Qt::darkBlue, 2.2));
    ASSERT_GT(d.inkedWhole, 2000);
    // The wave has 620 segments, so pieces of 16 meet at about 40 places; a segment lost or
    // doubled where they meet would change several inked pixels at each.
    EXPECT_LE(d.inkedDiffer, 2 * 40) << "at most an edge pixel or two where pieces meet";
    EXPECT_LE(d.visiblyDiffer, 4 * 40);
}

TEST(CurveStroke, ADashedPatternRunsOnAcrossThePieces) {
    const Difference d = strokeBothWays(QPen(Qt::black, 1.5, Qt::DashLine));
    ASSERT_GT(d.inkedWhole, 1000);
    // A pattern that started again at every piece would move dashes by up to a whole dash.
    EXPECT_LE(d.inkedDiffer, d.inkedWhole / 20);
}

TEST(CurveStroke, APolylineInPiecesMatchesTheWholePolylineAndTheGapStaysOpen) {
    QPolygonF left, all;
    for (int x = 0; x <= width; x += 3)
        left << QPointF(x, height / 2 + 120 * std::cos(x / 70.0));
    const QPen pen(Qt::darkGreen, 2.0);
    const QImage whole = render(pen, [&](QPainter& p) { p.drawPolyline(left); });
    const QImage pieces = render(pen, [&](QPainter& p) { kit::strokeCurve(p, left); });
    const Difference d = compare(whole, pieces);
    EXPECT_LE(d.inkedDiffer, d.inkedWhole / 200);

    // Nothing is drawn across the break of the wave.
    const QImage broken =
        render(QPen(Qt::black, 2.2), [](QPainter& p) { kit::strokeCurve(p, brokenWave()); });
    for (int y = 0; y < height; ++y)
        for (int x = 570; x <= 630; ++x)
            ASSERT_EQ(qGray(broken.pixel(x, y)), 255) << x << ", " << y;
}
