#include "counting/view/counting_explore.h"
#include "kit/view/run_demo.h"

int main(int argc, char** argv) {
    return kit::runDemo(argc, argv, counting::demoDefinition());
}
