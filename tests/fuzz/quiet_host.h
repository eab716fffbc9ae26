#pragma once

#include "engine/core/lesson_host.h"

namespace fuzz {

// A window that shows nothing: the engine's rules run, its screens are dropped.
class QuietHost : public engine::LessonHost, public engine::PictureSlots {
  public:
    void runDemonstration(const std::string&) override {}
    void present(const engine::Screen&) override { ++presented; }
    void activate() override {}
    std::string fieldText(int) const override { return "1"; }
    engine::PictureSlots& pictureSlots() override { return *this; }
    void load(int, const std::string&) override {}
    void release(int) override {}

    int presented = 0;
};

} // namespace fuzz
