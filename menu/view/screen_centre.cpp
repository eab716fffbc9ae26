#include "menu/view/screen_centre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

namespace menu {

void centreOnScreen(QWidget& window, QSize innerSize) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window.setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, innerSize, screen->geometry()));
}

} // namespace menu
