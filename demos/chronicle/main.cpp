#include "chronicle/view/run_chronicle.h"

int main(int argc, char** argv) {
    return chronicle::runChronicle(argc, argv);
}
