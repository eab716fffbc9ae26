// A construction program: the player with the construction file built into the program.
#include "constructionkit/view/construction_demo.h"
#include "kit/view/run_demo.h"

int main(int argc, char** argv) {
    return kit::runDemo(argc, argv, constructions::constructionDemo(CONSTRUCTION_NAME));
}
