#include "kit/view/run_demo.h"
#include "mirrorimage/view/mirrorimage_definition.h"

int main(int argc, char** argv) {
    return kit::runDemo(argc, argv, mirrorimage::demoDefinition());
}
