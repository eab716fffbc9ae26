// The derivatives program as its main runs it, driven through its widgets and closed; the
// process status is the verdict.
#include "run_demo_check.h"
#include "slopes/view/slopes_definition.h"

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        run_demo_check::chosenExampleShows(window, 3, "derivativeSteps", "quotient rule",
                                           "the rules follow the chosen example");
    };
    return run_demo_check::runAndDrive(argc, argv, slopes::demoDefinition());
}
