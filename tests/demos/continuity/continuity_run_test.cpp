// The limits program as its main runs it, driven through its widgets and closed; the process
// status is the verdict.
#include "continuity/view/continuity_definition.h"
#include "run_demo_check.h"

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        run_demo_check::chosenExampleShows(window, 3, "limitFacts", "infinite discontinuity",
                                           "the facts follow the chosen example");
    };
    return run_demo_check::runAndDrive(argc, argv, continuity::demoDefinition());
}
