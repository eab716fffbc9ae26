// The dilations program as its main runs it: an exercise answered through the widgets, the
// factor typed, k = 0 refused; the process status is the verdict.
#include "scaling/view/scaling_definition.h"

#include "run_demo_check.h"

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        auto* explain = window.findChild<QTextBrowser*>("explainView");
        auto* factor = window.findChild<QLineEdit*>("factor");
        factor->setText("-1/2");
        run_demo_check::expect(explain->toPlainText().contains("A\u2032(\u22121, \u22121/2)"),
                               "A(2, 1) with k = -1/2");
        run_demo_check::expect(explain->toPlainText().contains("distances: changed"),
                               "a dilation changes lengths");
        factor->setText("0");
        run_demo_check::expect(
            window.findChild<QLabel*>("parameterError")->text().contains("k \u2260 0"),
            "k = 0 is refused");
    };
    return run_demo_check::runAndDrive(argc, argv, scaling::demoDefinition());
}
