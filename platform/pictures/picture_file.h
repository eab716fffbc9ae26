#pragma once

#include <QImage>

#include <string>
#include <string_view>

namespace platform {

// Loads a picture by its content, whatever its name says: a file that starts with "BM" is
// a Windows bitmap; anything else is tried as an icon and then, when it starts with the
// JPEG start marker, as a JPEG image. A file that is missing, unreadable, cut short,
// corrupt or claims an absurd size gives a null image.
QImage loadPictureFile(const std::string& path);

// The same for a picture already in memory.
QImage loadPictureBytes(const QByteArray& bytes);

// The picture file `file` of a program's folder, loaded as above: the one way the lesson
// programs, the menu and the door game read their pictures.
QImage loadProgramPicture(const std::string& folder, std::string_view file);

} // namespace platform
