// The translations program as its main runs it: an exercise answered through the widgets, the
// vector's handle dragged and a bad value typed; the process status is the verdict.
#include "shifting/view/shifting_definition.h"

#include "kit/view/canvas.h"
#include "run_demo_check.h"

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        auto* plane = window.findChild<kit::Canvas*>("transformPlane");
        auto* explain = window.findChild<QTextBrowser*>("explainView");
        plane->setPointPosition("handle", QPointF(-1, 4));
        emit plane->pointMoved("handle", QPointF(-1, 4));
        run_demo_check::expect(explain->toPlainText().contains("(x, y) \u2192 (x \u2212 1, y + 4)"),
                               "the rule follows the dragged vector");
        run_demo_check::expect(explain->toPlainText().contains("A\u2032(1, 5)"),
                               "the image of A follows the dragged vector");
        window.findChild<QLineEdit*>("vectorB")->setText("2/0");
        run_demo_check::expect(
            window.findChild<QLabel*>("parameterError")->text().startsWith("b: "),
            "a vector component that cannot be read is named");
    };
    return run_demo_check::runAndDrive(argc, argv, shifting::demoDefinition());
}
