#include "platform/qt/first_frame_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace platform {
namespace {

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

bool probeWanted() {
    return qEnvironmentVariableIsSet(firstFrameProbeVariable);
}

// Watches every paint event. A window's paint events come while its backing store is being
// painted; the store is put on the screen right after, so the report waits for the next
// turn of the event loop.
class FirstFrameProbe : public QObject {
  public:
    struct LeadIn {
        QPointer<QWidget> window;
        std::function<void()> pass;
        bool painted = false;
    };

    static FirstFrameProbe& instance() {
        static auto* probe = new FirstFrameProbe;
        return *probe;
    }

    void install() {
        if (!installed_) {
            installed_ = true;
            QCoreApplication::instance()->installEventFilter(this);
        }
    }
    void addLeadIn(QWidget& window, std::function<void()> pass) {
        leadIns_.push_back({&window, std::move(pass)});
        install();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            notePaint(*static_cast<QWidget*>(watched)->window());
        return false;
    }

  private:
    void notePaint(QWidget& window) {
        for (std::size_t i = 0; i < leadIns_.size(); ++i) {
            if (leadIns_[i].window != &window)
                continue;
            if (!leadIns_[i].painted) {
                leadIns_[i].painted = true;
                QTimer::singleShot(0, this, [this, i] { passLeadIn(leadIns_[i]); });
            }
            return;
        }
        if (!reported_) {
            reported_ = true;
            QTimer::singleShot(0, this, [] { report("first-frame", true); });
        }
    }
    static void passLeadIn(LeadIn& leadIn) {
        report("lead-in", false);
        if (leadIn.pass)
            leadIn.pass();
    }
    static void report(const char* what, bool end) {
        std::printf("%s %lld\n", what, monotonicNanoseconds());
        std::fflush(stdout);
        if (end)
            std::_Exit(0); // no close handling, no files written
    }

    bool installed_ = false;
    bool reported_ = false;
    std::vector<LeadIn> leadIns_;
};

} // namespace

void installFirstFrameProbe() {
    if (probeWanted())
        FirstFrameProbe::instance().install();
}

void passThroughFirstFrameProbe(QWidget& window, std::function<void()> pass) {
    if (probeWanted())
        FirstFrameProbe::instance().addLeadIn(window, std::move(pass));
}

} // namespace platform
