#include "platform/help/help_placement.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace platform {
namespace {

QMargins frameOf(const QWidget* window) {
    if (window == nullptr || !window->isVisible()) {
        return {};
    }
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The program's first visible window other than `window` itself.
const QWidget* someProgramWindow(const QWidget* window) {
    for (const QWidget* candidate : QApplication::topLevelWidgets()) {
        if (candidate != window && candidate->isVisible() && candidate->isWindow()) {
            return candidate;
        }
    }
    return nullptr;
}

int placedWithin(int wantedStart, int length, int areaStart, int areaLength) {
    return qBound(areaStart, wantedStart, areaStart + areaLength - length);
}

class FirstPaintFit : public QObject {
  public:
    explicit FirstPaintFit(QWidget* window) : QObject(window) { window->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            keepWhollyOnScreen(static_cast<QWidget*>(watched));
            deleteLater();
        }
        return false;
    }
};

} // namespace

QRect helpWindowFrame(const QRect& available, const QRect& callerFrame, const QMargins& frame,
                      const QSize& wanted) {
    const int extraWidth = frame.left() + frame.right();
    const int extraHeight = frame.top() + frame.bottom();
    const QSize outer(qMin(wanted.width(), available.width() - extraWidth) + extraWidth,
                      qMin(wanted.height(), available.height() - extraHeight) + extraHeight);
    QPoint place;
    if (callerFrame.isEmpty()) {
        place = available.topLeft() + QPoint((available.width() - outer.width()) / 2,
                                             (available.height() - outer.height()) / 2);
    } else {
        place = QPoint(callerFrame.right() + 1, callerFrame.top());
    }
    place.setX(placedWithin(place.x(), outer.width(), available.left(), available.width()));
    place.setY(placedWithin(place.y(), outer.height(), available.top(), available.height()));
    return {place, outer};
}

void placeBeside(QWidget* window, const QWidget* caller) {
    const QWidget* shown = caller != nullptr ? caller : someProgramWindow(window);
    const QScreen* screen = shown != nullptr ? shown->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QMargins frame = frameOf(shown);
    const QRect outer = helpWindowFrame(screen->availableGeometry(),
                                        caller != nullptr ? caller->frameGeometry() : QRect(),
                                        frame, window->size());
    // A window's position is that of its frame; its size is that of its inside.
    window->resize(outer.width() - frame.left() - frame.right(),
                   outer.height() - frame.top() - frame.bottom());
    window->move(outer.topLeft());
}

void keepWhollyOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr || !window->isVisible()) {
        return;
    }
    const QRect available = screen->availableGeometry();
    const QRect outer = window->frameGeometry();
    if (available.contains(outer)) {
        return;
    }
    const QMargins frame(
        window->geometry().left() - outer.left(), window->geometry().top() - outer.top(),
        outer.right() - window->geometry().right(), outer.bottom() - window->geometry().bottom());
    const QRect fitted = helpWindowFrame(available, outer, frame, window->size());
    window->resize(fitted.width() - frame.left() - frame.right(),
                   fitted.height() - frame.top() - frame.bottom());
    window->move(placedWithin(outer.left(), fitted.width(), available.left(), available.width()),
                 placedWithin(outer.top(), fitted.height(), available.top(), available.height()));
}

void fitWhenFirstShown(QWidget* window) {
    new FirstPaintFit(window);
}

} // namespace platform
