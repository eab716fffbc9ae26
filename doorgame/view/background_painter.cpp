#include "doorgame/view/background_painter.h"

#include "doorgame/core/game_layout.h"
#include "platform/qt/course_text.h"
#include "platform/qt/font_by_face.h"

#include <QFontMetrics>
#include <QPainter>

namespace doorgame {

namespace {

QColor toQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace

void paintBackground(QImage& picture, const std::vector<TextLine>& lines) {
    picture.fill(toQColor(layout::backgroundColour));
    const QFont font =
        platform::fontByFace(std::string(layout::fontFace), layout::fontPoints, false);
    const int ascent = QFontMetrics(font).ascent();
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(toQColor(layout::textColour));
    for (const auto& line : lines) {
        if (!line.text.empty())
            painter.drawText(line.x, line.y + ascent, platform::fromWindows1252(line.text));
    }
}

} // namespace doorgame
