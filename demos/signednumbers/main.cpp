#include "kit/view/run_demo.h"
#include "signednumbers/view/signed_explore.h"

int main(int argc, char** argv) {
    return kit::runDemo(argc, argv, signednumbers::demoDefinition());
}
