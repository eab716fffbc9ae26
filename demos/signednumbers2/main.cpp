#include "kit/view/run_demo.h"
#include "signednumbers2/view/advanced_explore.h"

int main(int argc, char** argv) {
    return kit::runDemo(argc, argv, signednumbers2::demoDefinition());
}
