#include "chronicle/view/run_chronicle.h"

#include "chronicle/view/chronicle_resources.h"
#include "chronicle/view/chronicle_window.h"
#include "kit/view/run_demo.h"
#include "platform/qt/first_frame_probe.h"
#include "platform/qt/termination_signals.h"

#include <QApplication>

namespace chronicle {

int runChronicle(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("chronicle");
    kit::applyCourseLook(app);
    platform::installFirstFrameProbe();
    ChronicleWindow window(loadChronicle(), stagedLessonStarter());
    platform::closeOnTerminationSignals(&window);
    window.show();
    return app.exec();
}

} // namespace chronicle
