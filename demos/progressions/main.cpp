#include "kit/view/run_demo.h"
#include "progressions/view/progressions_definition.h"

int main(int argc, char** argv) {
    return kit::runDemo(argc, argv, progressions::demoDefinition());
}
