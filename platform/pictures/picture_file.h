#pragma once

#include <QImage>

#include <string>

namespace platform {

// Loads a picture by its content, whatever its name says: a file that starts with "BM" is
// a Windows bitmap; anything else is tried as an icon and then, when it starts with the
// JPEG start marker, as a JPEG image. A file that is missing, unreadable, cut short,
// corrupt or claims an absurd size gives a null image.
QImage loadPictureFile(const std::string& path);

} // namespace platform
