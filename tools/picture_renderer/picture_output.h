#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace tools {

struct PictureWriting {
    std::optional<QString> problem; // why the file could not be written, naming it
    QString note;                   // what the build log should say about the file, if anything
};

// Writes the picture in the format its file name ends with: ".jpg" (JPEG, quality 92),
// ".bmp" (Windows bitmap) or ".png". A bitmap holds the picture reduced to a palette of
// at most 256 colours, run-length encoded when that is smaller; a picture the palette
// cannot keep faithfully stays at 24 bits a pixel, and the note says so. Creates the
// folder when it is missing.
PictureWriting writePicture(const QImage& picture, const QString& outputPath);

// The bytes of the bitmap file writePicture makes of the picture, and the note about it.
QByteArray bitmapFileOf(const QImage& picture, QString& note);

} // namespace tools
