#pragma once

#include "engine/core/lesson_host.h"

#include <map>
#include <string>
#include <vector>

namespace test_support {

// Stands in for the lesson window: records, in order, what the engine asks of it
// ("demo linesketch.exe", "load 77 cos6.jpg", "release 78", "present", "activate").
class RecordingHost : public engine::LessonHost, public engine::PictureSlots {
  public:
    void runDemonstration(const std::string& program) override;
    void present(const engine::Screen& screen) override;
    void activate() override;
    std::string fieldText(int control) const override;
    engine::PictureSlots& pictureSlots() override { return *this; }
    void load(int slot, const std::string& file) override;
    void release(int slot) override;

    std::vector<std::string> events;
    std::vector<engine::Screen> screens;
    std::map<int, std::string> typed; // fill-in field texts by control number

    const engine::Screen& lastScreen() const { return screens.back(); }
    // How often `event` was recorded.
    int count(const std::string& event) const;
    // The demonstration programs started since the events were last forgotten.
    std::vector<std::string> demonstrations() const;
    // Empties the event list; the screens stay, so the last one can still be read.
    void forgetEvents() { events.clear(); }
};

} // namespace test_support
