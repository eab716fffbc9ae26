#pragma once

#include "engine/core/catalogue.h"
#include "engine/core/lesson_state.h"
#include "engine/core/picture_slots.h"
#include "engine/core/screen.h"

namespace engine {

// The greeting screen shown before a lesson is chosen.
Screen paintStartScreen(const LessonState& state, const Catalogue& catalogue);

// Paints the current Page from scratch and lists every control it has. Loads and releases
// page pictures through the slots, and empties the feedback once it has been drawn.
Screen paintPage(LessonState& state, const Catalogue& catalogue, PictureSlots& slots);

} // namespace engine
