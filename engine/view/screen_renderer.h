#pragma once

#include "engine/core/screen.h"
#include "engine/view/lesson_fonts.h"
#include "engine/view/qt_picture_slots.h"

#include <QImage>

namespace engine {

// Paints a screen's background steps, in order, into a fresh 796 x 560 picture.
QImage renderBackground(const Screen& screen, const LessonFonts& fonts,
                        const QtPictureSlots& pictures);

} // namespace engine
