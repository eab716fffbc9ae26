#include "kit/view/run_demo.h"
#include "planesurface/view/planesurface_definition.h"

int main(int argc, char** argv) {
    return kit::runDemo(argc, argv, planesurface::demoDefinition());
}
