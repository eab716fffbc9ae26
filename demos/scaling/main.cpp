#include "kit/view/run_demo.h"
#include "scaling/view/scaling_definition.h"

int main(int argc, char** argv) {
    return kit::runDemo(argc, argv, scaling::demoDefinition());
}
