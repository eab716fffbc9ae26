#pragma once

#include <QByteArray>
#include <QImage>

namespace platform {

// Decodes a baseline or progressive JPEG, grey or colour, with libjpeg. Colour pictures
// come back as RGB888, grey ones as RGB32. Anything libjpeg rejects, data that ends early,
// CMYK pictures and sizes beyond the picture limits give a null image.
QImage decodeJpeg(const QByteArray& bytes);

} // namespace platform
