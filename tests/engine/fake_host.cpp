#include "fake_host.h"

#include <algorithm>

void FakeHost::runDemonstration(const std::string& program) { events.push_back("demo " + program); }

void FakeHost::present(const engine::Screen& screen) {
    events.push_back("present");
    screens.push_back(screen);
}

void FakeHost::activate() { events.push_back("activate"); }

std::string FakeHost::fieldText(int control) const {
    const auto it = typed.find(control);
    return it == typed.end() ? std::string() : it->second;
}

void FakeHost::load(int slot, const std::string& file) {
    events.push_back("load " + std::to_string(slot) + " " + file);
}

void FakeHost::release(int slot) { events.push_back("release " + std::to_string(slot)); }

int FakeHost::count(const std::string& event) const {
    return static_cast<int>(std::count(events.begin(), events.end(), event));
}
