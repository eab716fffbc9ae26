// The solids program as its main runs it, driven through its widgets and closed; the process
// status is the verdict.
#include "run_demo_check.h"
#include "solids/view/solids_definition.h"

#include <QComboBox>

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        window.findChild<QComboBox*>("solidChooser")->setCurrentIndex(3);
        run_demo_check::expect(window.findChild<QTextBrowser*>("solidFacts")
                                   ->toPlainText()
                                   .contains("20 \u2212 30 + 12 = 2"),
                               "the facts follow the chosen dodecahedron");
    };
    return run_demo_check::runAndDrive(argc, argv, solids::demoDefinition());
}
