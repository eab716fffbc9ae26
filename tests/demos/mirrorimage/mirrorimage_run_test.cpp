// The reflections program as its main runs it: an exercise answered through the widgets, a
// mirror chosen and typed, two reflections composed; the process status is the verdict.
#include "mirrorimage/view/mirrorimage_definition.h"

#include "run_demo_check.h"

#include <QCheckBox>
#include <QComboBox>

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        auto* explain = window.findChild<QTextBrowser*>("explainView");
        auto* mirror = window.findChild<QComboBox*>("mirrorChoice");
        mirror->setCurrentIndex(mirror->findText("x = h"));
        window.findChild<QLineEdit*>("mirrorH")->setText("-1");
        run_demo_check::expect(explain->toPlainText().contains("A\u2032(\u22124, 1)"),
                               "A(2, 1) reflected in x = -1");
        run_demo_check::expect(explain->toPlainText().contains("orientation: changed"),
                               "a reflection reverses the orientation");
        window.findChild<QCheckBox*>("composeSecond")->setChecked(true);
        auto* second = window.findChild<QComboBox*>("secondMirrorChoice");
        second->setCurrentIndex(second->findText("x = h"));
        window.findChild<QLineEdit*>("secondMirrorH")->setText("2");
        run_demo_check::expect(explain->toPlainText().contains("a translation by (6, 0)"),
                               "two parallel mirrors make a translation");
        mirror->setCurrentIndex(mirror->findText("a\u00b7x + b\u00b7y = c"));
        window.findChild<QLineEdit*>("mirrorA")->setText("0");
        window.findChild<QLineEdit*>("mirrorB")->setText("0");
        run_demo_check::expect(
            window.findChild<QLabel*>("parameterError")->text().contains("not a line"),
            "0x + 0y = c is refused");
    };
    return run_demo_check::runAndDrive(argc, argv, mirrorimage::demoDefinition());
}
