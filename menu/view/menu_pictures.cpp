#include "menu/view/menu_pictures.h"

#include "menu/core/menu_texts.h"
#include "platform/pictures/picture_file.h"

namespace menu {

MenuPictures MenuPictures::loadFrom(const std::string& folder) {
    using platform::loadProgramPicture;
    return {
        loadProgramPicture(folder, splashPictureFile), loadProgramPicture(folder, studyPictureFile),
        loadProgramPicture(folder, quitPictureFile), loadProgramPicture(folder, backPictureFile)};
}

} // namespace menu
