#include "kit/view/run_demo.h"
#include "turning/view/turning_definition.h"

int main(int argc, char** argv) {
    return kit::runDemo(argc, argv, turning::demoDefinition());
}
