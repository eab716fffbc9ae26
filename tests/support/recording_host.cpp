#include "support/recording_host.h"

#include <algorithm>

namespace test_support {

void RecordingHost::runDemonstration(const std::string& program) {
    events.push_back("demo " + program);
}

void RecordingHost::present(const engine::Screen& screen) {
    events.push_back("present");
    screens.push_back(screen);
}

void RecordingHost::activate() {
    events.push_back("activate");
}

std::string RecordingHost::fieldText(int control) const {
    const auto it = typed.find(control);
    return it == typed.end() ? std::string() : it->second;
}

void RecordingHost::load(int slot, const std::string& file) {
    events.push_back("load " + std::to_string(slot) + " " + file);
}

void RecordingHost::release(int slot) {
    events.push_back("release " + std::to_string(slot));
}

int RecordingHost::count(const std::string& event) const {
    return static_cast<int>(std::count(events.begin(), events.end(), event));
}

std::vector<std::string> RecordingHost::demonstrations() const {
    std::vector<std::string> out;
    for (const auto& event : events)
        if (event.starts_with("demo "))
            out.push_back(event.substr(5));
    return out;
}

} // namespace test_support
