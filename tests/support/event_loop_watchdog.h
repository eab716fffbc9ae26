#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace test_support {

// Fails the running test within seconds when the event loop it waits in is never ended (a
// box that does not appear or is never answered, a program that does not leave): it
// rejects every open dialog and ends every running event loop, so the test goes on to its
// checks instead of waiting for the test runner's time-out.
class EventLoopWatchdog {
  public:
    explicit EventLoopWatchdog(int milliseconds = 10000) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] { fire(); });
        timer_.start(milliseconds);
    }
    bool fired() const { return fired_; }

  private:
    void fire() {
        fired_ = true;
        ADD_FAILURE() << "nothing ended the event loop within the watchdog's time";
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible())
                dialog->reject();
        QCoreApplication::exit(1); // ends nested loops too
    }

    QTimer timer_;
    bool fired_ = false;
};

// Calls `answer` with the first message box that shows, whenever it shows; looks every
// 10 ms, so a box that is slow to appear on a loaded machine is still found.
inline void whenMessageBoxShows(std::function<void(QMessageBox*)> answer) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, answer = std::move(answer)] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box && box->isVisible()) {
                poll->stop();
                poll->deleteLater();
                answer(box);
                return;
            }
        }
    });
    poll->start();
}

} // namespace test_support
