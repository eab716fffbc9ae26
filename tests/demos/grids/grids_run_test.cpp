// The matrices program as its main runs it, driven through its widgets and closed; the process
// status is the verdict.
#include "grids/view/grids_definition.h"

#include "run_demo_check.h"

#include <QPlainTextEdit>

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        window.findChild<QPlainTextEdit*>("matrixA")->setPlainText("7");
        run_demo_check::expect(
            window.findChild<QTextBrowser*>("resultView")->toPlainText().contains("Not defined"),
            "a 1 x 1 A and a 3 x 3 B cannot be added, and the result says so");
    };
    return run_demo_check::runAndDrive(argc, argv, grids::demoDefinition());
}
