// The integrals program as its main runs it, driven through its widgets and closed; the
// process status is the verdict.
#include "areas/view/areas_definition.h"
#include "run_demo_check.h"

#include <QLineEdit>

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        window.findChild<QLineEdit*>("sumFunctionField")->setText("x^3");
        run_demo_check::expect(window.findChild<QTextBrowser*>("sumFacts")
                                   ->toPlainText()
                                   .contains("F(b) \u2212 F(a) = 4"),
                               "the exact integral follows the typed function");
    };
    return run_demo_check::runAndDrive(argc, argv, areas::demoDefinition());
}
