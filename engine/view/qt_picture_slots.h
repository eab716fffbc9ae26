#pragma once

#include "engine/core/picture_slots.h"

#include <QImage>

#include <array>
#include <string>

namespace engine {

// Picture slots 0..82 holding decoded pictures; files are read from the program's folder.
// A file that is missing or cannot be decoded leaves its slot empty.
class QtPictureSlots : public PictureSlots {
  public:
    explicit QtPictureSlots(std::string folder);
    void load(int slot, const std::string& file) override;
    void release(int slot) override;
    const QImage& image(int slot) const;
    int heldPageSlots() const; // how many of 77..82 hold a picture
    int loadCount() const { return loads_; }

  private:
    std::string folder_;
    std::array<QImage, 83> slots_;
    int loads_ = 0;
};

} // namespace engine
