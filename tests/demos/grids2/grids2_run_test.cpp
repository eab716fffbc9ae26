// The more-matrices program as its main runs it, driven through its widgets and closed; the
// process status is the verdict.
#include "grids2/view/grids2_definition.h"

#include "run_demo_check.h"

#include <QPlainTextEdit>

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        window.findChild<QPlainTextEdit*>("systemField")->setPlainText("2 1 5\n1 -1 1");
        run_demo_check::expect(
            window.findChild<QTextBrowser*>("systemView")->toPlainText().contains("x = 2, y = 1"),
            "the typed system is solved");
    };
    return run_demo_check::runAndDrive(argc, argv, grids2::demoDefinition());
}
