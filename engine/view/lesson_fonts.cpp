#include "engine/view/lesson_fonts.h"

#include "platform/qt/font_by_face.h"

namespace engine {

LessonFonts::LessonFonts(const std::string& face)
    : speech_(platform::fontByFace(face, 10, true)),
      caption_(platform::fontByFace(face, 14, false)), label_(platform::fontByFace(face, 14, true)),
      page_(platform::fontByFace(face, 14, false)) {}

const QFont& LessonFonts::font(FontNumber number) const {
    switch (number) {
    case FontNumber::Speech:
        return speech_;
    case FontNumber::Caption:
        return caption_;
    case FontNumber::Label:
        return label_;
    case FontNumber::Page:
        break;
    }
    return page_;
}

} // namespace engine
