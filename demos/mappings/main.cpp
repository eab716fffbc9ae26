#include "kit/view/run_demo.h"
#include "mappings/view/mappings_explore.h"

int main(int argc, char** argv) {
    return kit::runDemo(argc, argv, mappings::demoDefinition());
}
