#include "doorgame/view/door_pictures.h"

#include "platform/pictures/picture_file.h"

#include <string_view>

namespace doorgame {

namespace {

// File names of pictures 2, 3, 4, 5 and 6.
constexpr std::array<std::string_view, 5> pictureFiles{"one.jpg", "two.jpg", "three.jpg",
                                                       "donkey.jpg", "money.jpg"};

} // namespace

DoorPictures::DoorPictures(const std::string& folder) {
    for (std::size_t i = 0; i < pictureFiles.size(); ++i)
        pictures_[i] = platform::loadProgramPicture(folder, pictureFiles[i]);
}

const QImage& DoorPictures::picture(int number) const {
    static const QImage none;
    const int index = number - firstNumber;
    if (index < 0 || index >= static_cast<int>(pictures_.size()))
        return none;
    return pictures_[static_cast<std::size_t>(index)];
}

} // namespace doorgame
