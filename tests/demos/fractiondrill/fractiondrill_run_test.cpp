// The fraction program as its main runs it, driven through its widgets and closed; the
// process status is the verdict.
#include "fractiondrill/view/fractiondrill_definition.h"

#include "run_demo_check.h"

#include <QSpinBox>

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        auto* denominator = window.findChild<QSpinBox*>("denominatorBox");
        denominator->setValue(6);
        run_demo_check::expect(
            window.findChild<QTextBrowser*>("fractionFacts")->toPlainText().contains("3/6 = 6/12"),
            "the pictures follow the denominator");
    };
    return run_demo_check::runAndDrive(argc, argv, fractiondrill::demoDefinition());
}
