// gridpoints as its main runs it, driven through its widgets and closed; the status is the
// verdict.
#include "gridpoints/view/gridpoints_definition.h"

#include "run_demo_check.h"

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        auto* a = window.findChild<QLineEdit*>("pointA");
        a->selectAll();
        QTest::keyClicks(a, "(-1, -2)");
        run_demo_check::expect(window.findChild<QTextBrowser*>("planeValues")
                                   ->toPlainText()
                                   .contains("\u221a(4\u00b2 + 4\u00b2) = \u221a32 = 4\u221a2"),
                               "the distance follows the typed point");
    };
    return run_demo_check::runAndDrive(argc, argv, gridpoints::demoDefinition());
}
