#include "chronicle/view/run_chronicle.h"

#include "chronicle/view/chronicle_resources.h"
#include "chronicle/view/chronicle_window.h"
#include "kit/view/run_demo.h"
#include "kit/view/termination_signals.h"
#include "platform/qt/first_frame_probe.h"

#include <QApplication>

namespace chronicle {

int runChronicle(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("chronicle");
    kit::applyCourseLook(app);
    platform::installFirstFrameProbe();
    ChronicleWindow window(loadChronicle(), stagedLessonStarter());
    kit::closeOnTerminationSignals(&window);
    window.show();
    return app.exec();
}

} // namespace chronicle
