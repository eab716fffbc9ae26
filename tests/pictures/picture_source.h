#pragma once

#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

// What a picture source (an SVG file of content/pictures) draws, as far as its own
// coordinates tell: the straight strokes, the open three-point strokes that may be
// right-angle marks, and the texts with the box their letters cover. Elements under a
// transform are left out, since their coordinates are not the picture's.
struct PictureText {
    QString text;
    QRectF box;
};

struct PictureSource {
    std::vector<QLineF> segments;         // lines and the edges of polylines and polygons
    std::vector<QPolygonF> cornerStrokes; // open polylines of three points, unfilled
    std::vector<PictureText> texts;
    QString error; // empty when the file was read whole
};

PictureSource readPictureSource(const QString& path);

// Every picture source of the course, as paths.
QStringList allPictureSources();
