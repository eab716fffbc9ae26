#pragma once

#include "engine/core/screen.h"

#include <QFont>

#include <string>

namespace engine {

// Fonts 2 to 5 of a lesson program, all of one face: speech 10 pt bold, captions 14 pt,
// the "Lesson" and "Step" labels 14 pt bold, Page text 14 pt.
class LessonFonts {
  public:
    explicit LessonFonts(const std::string& face);
    const QFont& font(FontNumber number) const;

  private:
    QFont speech_;
    QFont caption_;
    QFont label_;
    QFont page_;
};

} // namespace engine
