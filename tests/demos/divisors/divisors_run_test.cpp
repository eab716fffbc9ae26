// The divisors program as its main runs it: runDemo makes the application and the window;
// once it is up, an exercise is answered wrong and right through the widgets, the solution is
// shown and the window closed. The process status is the test's verdict: 0 only when runDemo
// came back with 0 and every step behaved.
#include "divisors/view/divisors_definition.h"

#include "demos/run_demo_check.h"

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    return run_demo_check::runAndDrive(argc, argv, divisors::demoDefinition());
}
