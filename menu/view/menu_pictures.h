#pragma once

#include <QImage>

#include <string>

namespace menu {

// The menu's pictures, read from the installation folder at start. A picture that is
// missing or unreadable is a null image: its place stays empty.
struct MenuPictures {
    QImage splash;
    QImage study;
    QImage quit;
    QImage back;

    static MenuPictures loadFrom(const std::string& folder);
};

} // namespace menu
