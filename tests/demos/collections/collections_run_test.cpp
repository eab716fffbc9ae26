// The sets program as its main runs it, driven from inside and closed; the process status is
// the verdict.
#include "collections/view/collections_explore.h"

#include "demos/run_demo_check.h"

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    return run_demo_check::runAndDrive(argc, argv, collections::demoDefinition());
}
