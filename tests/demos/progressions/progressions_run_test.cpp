// The progressions program as its main runs it, driven through its widgets and closed; the
// process status is the verdict.
#include "progressions/view/progressions_definition.h"
#include "run_demo_check.h"

#include <QComboBox>

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        window.findChild<QComboBox*>("modeChooser")->setCurrentIndex(5);
        run_demo_check::expect(window.findChild<QTextBrowser*>("sequenceFacts")
                                   ->toPlainText()
                                   .contains("\u03c0\u00b2/6"),
                               "the facts follow the chosen series");
    };
    return run_demo_check::runAndDrive(argc, argv, progressions::demoDefinition());
}
