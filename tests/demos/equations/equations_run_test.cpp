// The equations program as its main runs it, driven through its widgets and closed; the process
// status is the verdict.
#include "equations/view/equations_definition.h"

#include "run_demo_check.h"

#include <QLineEdit>

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        auto* field = window.findChild<QLineEdit*>("polynomialField");
        field->setText("x^2 - 4");
        run_demo_check::expect(window.findChild<QTextBrowser*>("polynomialFacts")
                                   ->toPlainText()
                                   .contains("(x + 2)(x \u2212 2)"),
                               "the factors follow the typed polynomial");
    };
    return run_demo_check::runAndDrive(argc, argv, equations::demoDefinition());
}
