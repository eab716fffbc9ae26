#include "recording_host.h"

namespace small_programs {

void RecordingHost::runDemonstration(const std::string& program) {
    events.push_back("demo " + program);
}

void RecordingHost::present(const engine::Screen& screen) {
    events.push_back("present");
    screens.push_back(screen);
}

void RecordingHost::load(int slot, const std::string& file) {
    events.push_back("load " + std::to_string(slot) + " " + file);
}

void RecordingHost::release(int slot) {
    events.push_back("release " + std::to_string(slot));
}

std::vector<std::string> RecordingHost::demonstrations() const {
    std::vector<std::string> out;
    for (const auto& event : events)
        if (event.starts_with("demo "))
            out.push_back(event.substr(5));
    return out;
}

} // namespace small_programs
