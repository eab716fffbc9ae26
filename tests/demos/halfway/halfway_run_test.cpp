// halfway as its main runs it, driven through its widgets and closed; the status is the verdict.
#include "halfway/view/halfway_definition.h"

#include "run_demo_check.h"

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        auto* b = window.findChild<QLineEdit*>("pointB");
        b->selectAll();
        QTest::keyClicks(b, "(5, 4)");
        run_demo_check::expect(
            window.findChild<QTextBrowser*>("planeValues")->toPlainText().contains("= (1, 1)"),
            "the midpoint follows the typed point");
    };
    return run_demo_check::runAndDrive(argc, argv, halfway::demoDefinition());
}
