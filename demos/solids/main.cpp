#include "kit/view/run_demo.h"
#include "solids/view/solids_definition.h"

int main(int argc, char** argv) {
    return kit::runDemo(argc, argv, solids::demoDefinition());
}
