#include "kit/view/run_demo.h"
#include "shifting/view/shifting_definition.h"

int main(int argc, char** argv) {
    return kit::runDemo(argc, argv, shifting::demoDefinition());
}
