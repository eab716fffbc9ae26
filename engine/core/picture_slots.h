#pragma once

#include <string>

namespace engine {

// Numbered picture slots held by the view. Loading into a slot releases what it held.
class PictureSlots {
  public:
    virtual ~PictureSlots() = default;
    virtual void load(int slot, const std::string& file) = 0;
    virtual void release(int slot) = 0;
};

} // namespace engine
