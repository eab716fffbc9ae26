// The rotations program as its main runs it: an exercise answered through the widgets, the
// centre dragged, the angle slid and typed; the process status is the verdict.
#include "turning/view/turning_definition.h"

#include "kit/view/canvas.h"
#include "run_demo_check.h"

#include <QSlider>

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        auto* plane = window.findChild<kit::Canvas*>("transformPlane");
        auto* explain = window.findChild<QTextBrowser*>("explainView");
        plane->setPointPosition("handle", QPointF(1, 1));
        emit plane->pointMoved("handle", QPointF(1, 1));
        // A(2, 1) about (1, 1) through 90°: (1, 2).
        run_demo_check::expect(explain->toPlainText().contains("A\u2032(1, 2)"),
                               "the image follows the dragged centre");
        window.findChild<QSlider*>("angleSlider")->setValue(4); // 60°
        run_demo_check::expect(window.findChild<QLineEdit*>("angle")->text() == "60",
                               "the slider types the angle");
        run_demo_check::expect(explain->toPlainText().contains("\u221a3"),
                               "a turn through 60° is written with a root");
        window.findChild<QLineEdit*>("angle")->setText("ninety");
        run_demo_check::expect(
            window.findChild<QLabel*>("parameterError")->text().startsWith("angle: "),
            "an angle that cannot be read is named");
    };
    return run_demo_check::runAndDrive(argc, argv, turning::demoDefinition());
}
