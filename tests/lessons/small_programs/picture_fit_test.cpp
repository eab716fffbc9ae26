// The pictures of the smaller programs must fit where they are drawn: inside the window, clear
// of the text rows, dark on light and with labels large enough to read. (Whether the text
// itself fits is checked for every lesson program in tests/lessons/text_fit_test.cpp.)
#include "engine/core/choice_line.h"
#include "engine/core/window_layout.h"
#include "platform/qt/course_text.h"
#include "platform/qt/font_by_face.h"
#include "small_program.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

using namespace small_programs;
using engine::PageSource;

namespace {

constexpr int visibleBottom = 535; // below it the menu bar hides the window's last rows

int lineEnd(const std::string& line, const QFontMetrics& metrics) {
    const int x = engine::isChoiceLine(line) ? engine::layout::choiceTextX : engine::layout::textX;
    return x + metrics.horizontalAdvance(platform::fromWindows1252(line));
}

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

double meanLightness(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += QColor(image.pixel(x, y)).lightnessF();
    return sum / (image.width() * image.height());
}

QImage rendered(QSvgRenderer& svg) {
    QImage image(svg.defaultSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

class PictureFit : public ::testing::TestWithParam<std::string> {
  protected:
    const SmallProgram& program = smallProgram(GetParam());
    const std::string& face = program.source.settings.fontFace;
    Faults faults{GetParam()};
};

} // namespace

TEST_P(PictureFit, EveryPictureIsAReadableSvgTinySourceInsideTheWindow) {
    static const std::regex fontSize(R"(font-size="([0-9.]+)\")");
    for (const auto& page : program.source.pages)
        for (const auto& picture : page.entry.pictures) {
            const auto source = pictureSource(program.name, picture.file);
            const std::string text = fileText(source);
            QSvgRenderer svg(QString::fromStdString(source.string()));
            if (!svg.isValid()) {
                faults.add(page.number, picture.file + ": no readable source " + source.string());
                continue;
            }
            if (text.find("baseProfile=\"tiny\"") == std::string::npos)
                faults.add(page.number, picture.file + " is not marked as SVG Tiny");
            const QSize size = svg.defaultSize();
            if (picture.x + size.width() > engine::layout::clientWidth ||
                picture.y + size.height() > visibleBottom)
                faults.add(page.number, picture.file + " reaches (" +
                                            std::to_string(picture.x + size.width()) + ", " +
                                            std::to_string(picture.y + size.height()) + ")");
            for (std::sregex_iterator it(text.begin(), text.end(), fontSize), end; it != end; ++it)
                if (std::stod((*it)[1]) < 14)
                    faults.add(page.number,
                               picture.file + " has a label of " + (*it)[1].str() + " px");
            if (meanLightness(rendered(svg)) < 0.7)
                faults.add(page.number, picture.file + " is not dark on light");
        }
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST_P(PictureFit, NoPictureCoversATextRow) {
    const QFontMetrics metrics(platform::fontByFace(face, 14, false));
    for (const auto& page : program.source.pages)
        for (const auto& picture : page.entry.pictures) {
            QSvgRenderer svg(
                QString::fromStdString(pictureSource(program.name, picture.file).string()));
            const QRect area(picture.x, picture.y, svg.defaultSize().width(),
                             svg.defaultSize().height());
            for (int i = 1; i <= 17; ++i) {
                const std::string& line = textLine(page, i);
                const QRect row(engine::layout::textX, 20 * (i - 1),
                                lineEnd(line, metrics) - engine::layout::textX, 20);
                if (!line.empty() && area.intersects(row))
                    faults.add(page.number,
                               picture.file + " covers text line " + std::to_string(i));
            }
        }
    EXPECT_TRUE(faults.empty()) << faults.report();
}

INSTANTIATE_TEST_SUITE_P(SmallPrograms, PictureFit, ::testing::ValuesIn(smallProgramNames()),
                         [](const auto& test) { return test.param; });
