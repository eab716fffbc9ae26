#pragma once

#include <QImage>

#include <array>
#include <string>

namespace doorgame {

// Pictures 2 to 6 of the door game, read once at start-up from the program's folder.
// A file that is missing or unreadable leaves its picture null.
class DoorPictures {
  public:
    explicit DoorPictures(const std::string& folder);

    // The picture with this number; a null image for a number without a picture.
    const QImage& picture(int number) const;

  private:
    static constexpr int firstNumber = 2;
    std::array<QImage, 5> pictures_;
};

} // namespace doorgame
