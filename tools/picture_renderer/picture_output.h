#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace tools {

// Writes the picture in the format its file name ends with: ".jpg" (JPEG, quality 92),
// ".bmp" (24-bit Windows bitmap) or ".png". Creates the folder when it is missing. On
// failure the result is a message naming the file.
std::optional<QString> writePicture(const QImage& picture, const QString& outputPath);

} // namespace tools
