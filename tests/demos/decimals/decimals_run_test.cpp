// The real numbers program as its main runs it, driven through its widgets and closed; the
// process status is the verdict.
#include "decimals/view/decimals_definition.h"

#include "run_demo_check.h"

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        window.findChild<QLineEdit*>("divisionDenominator")->setText("13");
        run_demo_check::expect(
            window.findChild<QLabel*>("divisionResult")->text().contains("076923"),
            "the long division follows the typed denominator");
    };
    return run_demo_check::runAndDrive(argc, argv, decimals::demoDefinition());
}
