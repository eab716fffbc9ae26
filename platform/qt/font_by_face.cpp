#include "platform/qt/font_by_face.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace platform {

int pointsToPixels(int points, double dotsPerInch) {
    return static_cast<int>(std::lround(points * dotsPerInch / 72.0));
}

QFont fontByFace(const std::string& face, int points, bool bold) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    QFont font(QString::fromStdString(face));
    font.setPixelSize(pointsToPixels(points, dpi));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace platform
