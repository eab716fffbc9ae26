#include "angles/view/angles_definition.h"
#include "kit/view/run_demo.h"

int main(int argc, char** argv) {
    return kit::runDemo(argc, argv, angles::demoDefinition());
}
