#pragma once

#include "engine/core/catalogue.h"
#include "engine/core/lesson_host.h"

#include <map>
#include <string>
#include <vector>

const engine::Catalogue& lessonCatalogue();

// Records what the engine asks of its window, in order.
class FakeHost : public engine::LessonHost, public engine::PictureSlots {
public:
    void runDemonstration(const std::string& program) override;
    void present(const engine::Screen& screen) override;
    void activate() override;
    std::string fieldText(int control) const override;
    engine::PictureSlots& pictureSlots() override { return *this; }
    void load(int slot, const std::string& file) override;
    void release(int slot) override;

    std::vector<std::string> events; // "demo recorder.exe", "present", "activate", "load 77 a.bmp"
    std::vector<engine::Screen> screens;
    std::map<int, std::string> typed;

    const engine::Screen& lastScreen() const { return screens.back(); }
    int count(const std::string& event) const;
};
