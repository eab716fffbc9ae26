#include "menu/view/menu_pictures.h"

#include "menu/core/menu_texts.h"
#include "platform/pictures/picture_file.h"

#include <filesystem>

namespace menu {
namespace {

QImage loadPicture(const std::string& folder, std::string_view file) {
    return platform::loadPictureFile((std::filesystem::path(folder) / file).string());
}

} // namespace

MenuPictures MenuPictures::loadFrom(const std::string& folder) {
    return {loadPicture(folder, splashPictureFile), loadPicture(folder, studyPictureFile),
            loadPicture(folder, quitPictureFile), loadPicture(folder, backPictureFile)};
}

} // namespace menu
