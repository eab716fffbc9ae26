#pragma once

#include "engine/core/lesson_host.h"

#include <string>
#include <vector>

namespace small_programs {

// Stands in for the lesson window: records, in order, what the engine asks of it
// ("demo addmult.exe", "present", "activate", "load 77 num1.jpg", "release 78").
class RecordingHost : public engine::LessonHost, public engine::PictureSlots {
  public:
    void runDemonstration(const std::string& program) override;
    void present(const engine::Screen& screen) override;
    void activate() override { events.push_back("activate"); }
    std::string fieldText(int) const override { return {}; }
    engine::PictureSlots& pictureSlots() override { return *this; }
    void load(int slot, const std::string& file) override;
    void release(int slot) override;

    std::vector<std::string> events;
    std::vector<engine::Screen> screens;

    const engine::Screen& lastScreen() const { return screens.back(); }
    // The demonstration programs started since the events were last forgotten.
    std::vector<std::string> demonstrations() const;
    // Empties the event list; the screens stay, so the last one can still be read.
    void forgetEvents() { events.clear(); }
};

} // namespace small_programs
