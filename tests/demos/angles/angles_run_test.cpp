// The trigonometry program as its main runs it, driven through its widgets and closed; the
// process status is the verdict.
#include "angles/view/angles_definition.h"
#include "run_demo_check.h"

#include <QDoubleSpinBox>

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        window.findChild<QDoubleSpinBox*>("degreesField")->setValue(225);
        run_demo_check::expect(window.findChild<QTextBrowser*>("circleFacts")
                                   ->toPlainText()
                                   .contains("= \u2212\u221a2/2"),
                               "the exact values follow the typed angle");
    };
    return run_demo_check::runAndDrive(argc, argv, angles::demoDefinition());
}
