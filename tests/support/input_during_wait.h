#pragma once

// Input that a learner gives a program's windows while the program waits for another one:
// posted from a second thread while the main thread is blocked, so that it lies waiting
// for the program when the wait ends, as clicks and keys from the window system do.

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace input_during_wait {

// A left click in the middle of `widget`.
inline void postClick(QWidget* widget) {
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = centre; // only the local point matters to the controls
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QCoreApplication::postEvent(
            widget, new QMouseEvent(type, centre, global, Qt::LeftButton, held, Qt::NoModifier));
    }
}

// A press and release of `key` (with `modifiers`) sent to `widget`.
inline void postKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyPress, key, modifiers));
    QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyRelease, key, modifiers));
}

} // namespace input_during_wait
