// A session end (SIGTERM, SIGINT or SIGHUP) closes the window through its close box, so a
// lesson program records its study time as it does when the learner closes it.
#include "platform/qt/termination_signals.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// A window that counts the close events it is sent.
class CountingWindow : public QWidget {
  public:
    int closes = 0;

  protected:
    void closeEvent(QCloseEvent* event) override {
        ++closes;
        event->accept();
    }
};

// Handles events until the window has been closed `count` times, for at most 20 s.
void waitForCloses(const CountingWindow& window, int count) {
    QDeadlineTimer deadline(20000);
    while (window.closes < count && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

} // namespace

TEST(TerminationSignals, EachSessionEndSignalClosesTheWindowOnceThroughItsCloseBox) {
    CountingWindow window;
    platform::closeOnTerminationSignals(&window);
    int expected = 0;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        window.show();
        ASSERT_EQ(::raise(signal), 0);
        waitForCloses(window, ++expected);
        EXPECT_EQ(window.closes, expected) << "signal " << signal;
        EXPECT_FALSE(window.isVisible()) << "signal " << signal;
    }
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        std::signal(signal, SIG_DFL);
}
