// The complex numbers program as its main runs it, driven through its widgets and closed; the
// process status is the verdict.
#include "imaginaries/view/imaginaries_definition.h"

#include "kit/view/canvas.h"
#include "run_demo_check.h"

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        auto* plane = window.findChild<kit::Canvas*>("complexPlane");
        plane->setPointPosition("z", QPointF(3, -4));
        emit plane->pointMoved("z", QPointF(3, -4));
        run_demo_check::expect(
            window.findChild<QTextBrowser*>("planeValues")->toPlainText().contains("3 - 4i"),
            "the values follow the dragged z");
    };
    return run_demo_check::runAndDrive(argc, argv, imaginaries::demoDefinition());
}
