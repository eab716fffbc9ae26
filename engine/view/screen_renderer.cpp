#include "engine/view/screen_renderer.h"

#include "engine/core/window_layout.h"
#include "platform/qt/course_text.h"

#include <QFontMetrics>
#include <QPainter>

namespace engine {
namespace {

QColor colourOf(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

struct StepPainter {
    QPainter& painter;
    const LessonFonts& fonts;
    const QtPictureSlots& pictures;

    void operator()(const FillRectangle& step) const {
        painter.fillRect(QRect(step.rect.x, step.rect.y, step.rect.width, step.rect.height),
                         colourOf(step.colour));
    }
    // The point is the text's top-left corner; Qt draws from the baseline.
    void operator()(const DrawText& step) const {
        const QFont& font = fonts.font(step.font);
        painter.setFont(font);
        painter.setPen(colourOf(step.colour));
        painter.drawText(QPoint(step.x, step.y + QFontMetrics(font).ascent()),
                         platform::fromWindows1252(step.text));
    }
    void operator()(const DrawPicture& step) const {
        const QImage& image = pictures.image(step.slot);
        if (image.isNull())
            return;
        if (step.stretchWidth > 0 && step.stretchHeight > 0)
            painter.drawImage(QRect(step.x, step.y, step.stretchWidth, step.stretchHeight), image);
        else
            painter.drawImage(QPoint(step.x, step.y), image);
    }
};

} // namespace

QImage renderBackground(const Screen& screen, const LessonFonts& fonts,
                        const QtPictureSlots& pictures) {
    QImage picture(layout::clientWidth, layout::clientHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const StepPainter paint{painter, fonts, pictures};
    for (const auto& step : screen.background)
        std::visit(paint, step);
    return picture;
}

} // namespace engine
