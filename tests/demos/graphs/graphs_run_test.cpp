// The graphs program as its main runs it, driven through its widgets and closed; the process
// status is the verdict.
#include "graphs/view/graphs_definition.h"

#include "run_demo_check.h"

#include <QLineEdit>

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        window.findChild<QLineEdit*>("functionField2")->setText("log(x - 2)");
        run_demo_check::expect(
            window.findChild<QTextBrowser*>("functionFacts")->toPlainText().contains("(2, \u221e)"),
            "the domain follows the typed function");
    };
    return run_demo_check::runAndDrive(argc, argv, graphs::demoDefinition());
}
