#include "grids2/view/grids2_definition.h"
#include "kit/view/run_demo.h"

int main(int argc, char** argv) {
    return kit::runDemo(argc, argv, grids2::demoDefinition());
}
