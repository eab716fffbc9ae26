// The area calculator as its main runs it, driven through its widgets and closed; the process
// status is the verdict.
#include "planesurface/view/planesurface_definition.h"

#include "run_demo_check.h"

#include <QLineEdit>

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        auto* side = window.findChild<QLineEdit*>("value0");
        side->selectAll();
        QTest::keyClicks(side, "7");
        run_demo_check::expect(
            window.findChild<QTextBrowser*>("results")->toPlainText().contains("A = 49 cm\u00b2"),
            "the square's area follows the typed side");
    };
    return run_demo_check::runAndDrive(argc, argv, planesurface::demoDefinition());
}
