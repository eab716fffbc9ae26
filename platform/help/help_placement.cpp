#include "platform/help/help_placement.h"

#include <QScreen>
#include <QWidget>

namespace platform {

void placeBeside(QWidget* window, const QWidget* caller) {
    if (caller == nullptr) {
        return;
    }
    const QRect callerFrame = caller->frameGeometry();
    const QScreen* screen = caller->screen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
    QPoint place(callerFrame.right() + 1, callerFrame.top());
    if (available.isValid()) {
        const int width = qMin(window->width(), available.width());
        const int height = qMin(window->height(), available.height());
        window->resize(width, height);
        place.setX(qBound(available.left(), place.x(), available.right() + 1 - width));
        place.setY(qBound(available.top(), place.y(), available.bottom() + 1 - height));
    }
    window->move(place);
}

} // namespace platform
