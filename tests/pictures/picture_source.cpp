#include "picture_source.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <map>

namespace {

struct Style {
    QString family = QStringLiteral("Liberation Sans");
    double size = 16;
    bool bold = false;
    bool italic = false;
    QString anchor = QStringLiteral("start");
    bool transformed = false;
};

Style styled(const Style& outer, const QXmlStreamAttributes& attributes) {
    Style style = outer;
    if (attributes.hasAttribute("font-family"))
        style.family = attributes.value("font-family").toString();
    if (attributes.hasAttribute("font-size"))
        style.size = attributes.value("font-size").toDouble();
    if (attributes.hasAttribute("font-weight"))
        style.bold = attributes.value("font-weight") == QLatin1String("bold");
    if (attributes.hasAttribute("font-style"))
        style.italic = attributes.value("font-style") == QLatin1String("italic");
    if (attributes.hasAttribute("text-anchor"))
        style.anchor = attributes.value("text-anchor").toString();
    if (attributes.hasAttribute("transform"))
        style.transformed = true;
    return style;
}

QPolygonF pointsOf(const QXmlStreamAttributes& attributes) {
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    const QStringList numbers =
        attributes.value("points").toString().split(separators, Qt::SkipEmptyParts);
    QPolygonF points;
    for (qsizetype i = 0; i + 1 < numbers.size(); i += 2)
        points.append(QPointF(numbers[i].toDouble(), numbers[i + 1].toDouble()));
    return points;
}

double number(const QXmlStreamAttributes& attributes, const char* name) {
    return attributes.value(QLatin1String(name)).toDouble();
}

// The box the letters of `text` cover when drawn at (x, y) on the baseline.
QRectF inkBox(const QString& text, const Style& style, double x, double y) {
    QFont font(style.family);
    font.setPixelSize(qMax(1, qRound(style.size)));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    double left = x;
    if (style.anchor == QLatin1String("middle"))
        left = x - width / 2;
    else if (style.anchor == QLatin1String("end"))
        left = x - width;
    const QRectF ink = metrics.tightBoundingRect(text);
    return {left, y + ink.top(), width, ink.height()};
}

void addStroke(PictureSource& source, const QPolygonF& points, bool closed, bool unfilled) {
    for (qsizetype i = 0; i + 1 < points.size(); ++i)
        source.segments.emplace_back(points[i], points[i + 1]);
    if (closed && points.size() > 2)
        source.segments.emplace_back(points.back(), points.front());
    if (!closed && unfilled && points.size() == 3)
        source.cornerStrokes.push_back(points);
}

} // namespace

PictureSource readPictureSource(const QString& path) {
    PictureSource source;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        source.error = path + ": cannot be read";
        return source;
    }
    QXmlStreamReader xml(&file);
    std::vector<Style> styles{Style{}};
    // A text and the point it starts at, while its characters (and tspans) are read.
    Style textStyle;
    QPointF textAt;
    QString textChars;
    int textDepth = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QXmlStreamAttributes attributes = xml.attributes();
            const Style style = styled(styles.back(), attributes);
            styles.push_back(style);
            const auto name = xml.name();
            if (textDepth > 0) {
                ++textDepth;
                continue;
            }
            if (style.transformed)
                continue;
            if (name == QLatin1String("line")) {
                source.segments.emplace_back(number(attributes, "x1"), number(attributes, "y1"),
                                             number(attributes, "x2"), number(attributes, "y2"));
            } else if (name == QLatin1String("polyline") || name == QLatin1String("polygon")) {
                addStroke(source, pointsOf(attributes), name == QLatin1String("polygon"),
                          attributes.value("fill") == QLatin1String("none"));
            } else if (name == QLatin1String("text")) {
                textDepth = 1;
                textStyle = style;
                textAt = QPointF(number(attributes, "x"), number(attributes, "y"));
                textChars.clear();
            }
        } else if (xml.isCharacters() && textDepth > 0) {
            textChars += xml.text();
        } else if (xml.isEndElement()) {
            styles.pop_back();
            if (textDepth > 0 && --textDepth == 0) {
                const QString text = textChars.simplified();
                source.texts.push_back({text, inkBox(text, textStyle, textAt.x(), textAt.y())});
            }
        }
    }
    if (xml.hasError())
        source.error = path + ": " + xml.errorString();
    return source;
}

QStringList allPictureSources() {
    QStringList paths;
    QDirIterator files(QStringLiteral(PICTURE_SOURCES_DIR), {QStringLiteral("*.svg")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext())
        paths.append(files.next());
    paths.sort();
    return paths;
}
