// Reads the picture sources as a learner reads the pictures: a length printed beside a
// line is that line's length, right-angle marks stand clear of each other, and formulas
// are complete. Measures are taken from the coordinates of the sources themselves.

#include "picture_source.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// Strokes shorter than this are marks and ticks, not lines that a length belongs to.
constexpr double shortestMeasuredLine = 20;

double distance(const QPointF& point, const QLineF& line) {
    const QPointF along = line.p2() - line.p1();
    const double squared = QPointF::dotProduct(along, along);
    double t = squared > 0 ? QPointF::dotProduct(point - line.p1(), along) / squared : 0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF nearest = line.p1() + t * along;
    return std::hypot(point.x() - nearest.x(), point.y() - nearest.y());
}

// Distance between a text's box and a line; 0 when the line runs through the box.
double distance(const QRectF& box, const QLineF& line) {
    if (box.contains(line.p1()) || box.contains(line.p2()))
        return 0;
    const QLineF edges[] = {{box.topLeft(), box.topRight()},
                            {box.topRight(), box.bottomRight()},
                            {box.bottomRight(), box.bottomLeft()},
                            {box.bottomLeft(), box.topLeft()}};
    double nearest = std::numeric_limits<double>::max();
    for (const QLineF& edge : edges) {
        if (edge.intersects(line, nullptr) == QLineF::BoundedIntersection)
            return 0;
        nearest = std::min({nearest, distance(edge.p1(), line), distance(edge.p2(), line),
                            distance(line.p1(), edge), distance(line.p2(), edge)});
    }
    return nearest;
}

// The number a length label gives: "8", "5.4 cm", "d1 = 8", "a = 520 m".
std::optional<double> lengthIn(const QString& label) {
    static const QRegularExpression length(QStringLiteral(
        "^(?:[A-Za-z][A-Za-z0-9]{0,3} = )?([0-9]+(?:\\.[0-9]+)?)(?: (?:cm|m|in|ft|mi))?$"));
    const QRegularExpressionMatch match = length.match(label);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toDouble();
}

struct Reading {
    QString label;
    double value;
    double pixels;   // length of the line the label stands by
    QString problem; // empty when the label plainly belongs to one line
};

// Which line each length label stands by. A label belongs to the line nearest to its
// letters, and only when every line of another length is clearly farther away.
std::vector<Reading> readLengths(const PictureSource& source) {
    std::vector<QLineF> lines;
    for (const QLineF& segment : source.segments)
        if (segment.length() >= shortestMeasuredLine)
            lines.push_back(segment);
    std::vector<Reading> readings;
    for (const PictureText& text : source.texts) {
        const std::optional<double> value = lengthIn(text.text);
        if (!value || *value <= 0 || lines.empty())
            continue;
        const auto nearest = std::min_element(lines.begin(), lines.end(), [&](auto& a, auto& b) {
            return distance(text.box, a) < distance(text.box, b);
        });
        const double gap = distance(text.box, *nearest);
        Reading reading{text.text, *value, nearest->length(), {}};
        for (const QLineF& other : lines) {
            const bool sameLength =
                std::abs(other.length() - nearest->length()) <= 0.02 * nearest->length();
            if (!sameLength && distance(text.box, other) < 1.5 * gap + 3) {
                reading.problem =
                    QStringLiteral("stands as near to a line %1 px long as to one %2 px long")
                        .arg(other.length(), 0, 'f', 1)
                        .arg(nearest->length(), 0, 'f', 1);
                break;
            }
        }
        readings.push_back(reading);
    }
    return readings;
}

QString sourcePath(const char* name) {
    return QStringLiteral(PICTURE_SOURCES_DIR "/") + QLatin1String(name) + QStringLiteral(".svg");
}

double area(const QPolygonF& polygon) {
    double twice = 0;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF& a = polygon[i];
        const QPointF& b = polygon[(i + 1) % polygon.size()];
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return std::abs(twice) / 2;
}

// A right-angle mark is a corner of two short legs; it marks the parallelogram they span.
std::optional<QPolygonF> markedCorner(const QPolygonF& stroke) {
    constexpr double longestLeg = 30;
    if (QLineF(stroke[0], stroke[1]).length() > longestLeg ||
        QLineF(stroke[1], stroke[2]).length() > longestLeg)
        return std::nullopt;
    return QPolygonF({stroke[0], stroke[1], stroke[2], stroke[0] + stroke[2] - stroke[1]});
}

} // namespace

// Pictures drawn to scale: every length printed in them is the drawn length of the line it
// stands by, at one scale per picture.
TEST(PictureSources, LengthLabelsStandByTheLinesTheyMeasureAndAgreeWithThem) {
    const char* const toScale[] = {
        "shapes/area3.jpg", "shapes/area4.bmp", "shapes/cong7.bmp", "shapes/cong8.jpg",
        "shapes/cong9.jpg", "shapes/cos2.bmp",  "shapes/cos3.jpg",  "shapes/cos4.jpg",
        "shapes/cos5.jpg",  "shapes/cos7.bmp",  "shapes/pyt3.jpg",  "shapes/pyt4.jpg",
        "shapes/pyt5.bmp",  "shapes/scal.bmp",  "shapes/sin7.jpg",  "shapes/sin8.jpg",
        "shapes/sin9.jpg",  "shapes/tri2.jpg",  "shapes/tri3.jpg",  "shapes/tri4.jpg",
        "shapes/tri5.jpg",  "shapes/tri6.jpg",  "shapes/tri7.jpg",  "shapes/tri8.bmp",
    };
    for (const char* name : toScale) {
        const PictureSource source = readPictureSource(sourcePath(name));
        ASSERT_TRUE(source.error.isEmpty()) << source.error.toStdString();
        const std::vector<Reading> readings = readLengths(source);
        ASSERT_GE(readings.size(), 2u) << name << ": fewer than two lengths to compare";
        const double scale = readings.front().pixels / readings.front().value;
        for (const Reading& reading : readings) {
            EXPECT_TRUE(reading.problem.isEmpty()) << name << ": \"" << reading.label.toStdString()
                                                   << "\" " << reading.problem.toStdString();
            EXPECT_NEAR(reading.pixels / reading.value, scale, 0.02 * scale)
                << name << ": \"" << reading.label.toStdString() << "\" stands by a line "
                << reading.pixels << " px long, at " << scale << " px to the unit";
        }
    }
}

TEST(PictureSources, RightAngleMarksNeverLieOverEachOther) {
    for (const QString& path : allPictureSources()) {
        const PictureSource source = readPictureSource(path);
        ASSERT_TRUE(source.error.isEmpty()) << source.error.toStdString();
        std::vector<QPolygonF> marks;
        for (const QPolygonF& stroke : source.cornerStrokes)
            if (const auto corner = markedCorner(stroke))
                marks.push_back(*corner);
        for (std::size_t i = 0; i < marks.size(); ++i)
            for (std::size_t j = i + 1; j < marks.size(); ++j)
                EXPECT_LT(area(marks[i].intersected(marks[j])), 1.0)
                    << path.toStdString() << ": marks at (" << marks[i][1].x() << ", "
                    << marks[i][1].y() << ") and (" << marks[j][1].x() << ", " << marks[j][1].y()
                    << ") overlap";
    }
}

TEST(PictureSources, IndefiniteIntegralsCarryTheConstantOfIntegration) {
    static const QRegularExpression indefinite(QStringLiteral("\u222B[^=]*d[a-z] ="));
    int integrals = 0;
    for (const QString& path : allPictureSources()) {
        for (const PictureText& text : readPictureSource(path).texts) {
            if (!text.text.contains(indefinite))
                continue;
            ++integrals;
            EXPECT_TRUE(text.text.endsWith(QStringLiteral("+ C")))
                << path.toStdString() << ": \"" << text.text.toStdString() << "\"";
        }
    }
    EXPECT_GT(integrals, 0) << "the welcome picture shows an integral";
}
