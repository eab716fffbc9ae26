#pragma once

#include <QImage>

#include <string>

namespace platform {

// Writes the picture as a baseline JPEG file with libjpeg, colour sampled at half the
// resolution (4:2:0) and Huffman tables fitted to the picture: grey when the image is
// Format_Grayscale8, colour otherwise (any alpha is dropped). False, and no file left
// behind, when the image is null or the file cannot be written.
bool writeJpegFile(const QImage& image, const std::string& path, int quality = 92);

} // namespace platform
