#include "platform/qt/termination_signals.h"

#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#ifndef _WIN32
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace platform {

#ifndef _WIN32
namespace {

int signalSocket[2] = {-1, -1};

// Only async-signal-safe work here: one byte into the socket, read in the event loop.
void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalSocket[0], &byte, 1);
}

} // namespace

void closeOnTerminationSignals(QWidget* window) {
    if (signalSocket[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSocket) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, window);
    QPointer<QWidget> target(window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [target] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(signalSocket[1], &byte, 1);
        if (target)
            target->close();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}
#else
void closeOnTerminationSignals(QWidget*) {}
#endif

} // namespace platform
