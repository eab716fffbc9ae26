#include "engine/view/qt_picture_slots.h"

#include "platform/pictures/picture_file.h"

#include <utility>

namespace engine {
namespace {

bool isSlot(int slot) {
    return slot >= 0 && slot < 83;
}

} // namespace

QtPictureSlots::QtPictureSlots(std::string folder) : folder_(std::move(folder)) {}

void QtPictureSlots::load(int slot, const std::string& file) {
    if (!isSlot(slot))
        return;
    ++loads_;
    slots_[static_cast<std::size_t>(slot)] = platform::loadProgramPicture(folder_, file);
}

void QtPictureSlots::release(int slot) {
    if (isSlot(slot))
        slots_[static_cast<std::size_t>(slot)] = QImage();
}

const QImage& QtPictureSlots::image(int slot) const {
    static const QImage none;
    return isSlot(slot) ? slots_[static_cast<std::size_t>(slot)] : none;
}

int QtPictureSlots::heldPageSlots() const {
    int held = 0;
    for (int slot = 77; slot <= 82; ++slot)
        held += slots_[static_cast<std::size_t>(slot)].isNull() ? 0 : 1;
    return held;
}

} // namespace engine
