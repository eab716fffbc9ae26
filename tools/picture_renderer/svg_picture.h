#pragma once

#include <QImage>
#include <QString>

#include <variant>

namespace tools {

// Renders an SVG file at the pixel size of its width and height attributes, its viewBox
// scaled to that size, antialiased over a white background. On failure the result holds
// a message saying what is wrong with the file.
std::variant<QImage, QString> renderSvgPicture(const QString& svgPath);

// Renders an SVG file as a square icon of `size` pixels on a transparent background.
std::variant<QImage, QString> renderSvgIcon(const QString& svgPath, int size);

} // namespace tools
