#include "kit/view/run_demo.h"
#include "slopes/view/slopes_definition.h"

int main(int argc, char** argv) {
    return kit::runDemo(argc, argv, slopes::demoDefinition());
}
