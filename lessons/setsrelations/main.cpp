// The sets and relations lesson program: the lesson engine on its catalogue.
#include "engine/view/lesson_program.h"

const engine::Catalogue& lessonCatalogue();

int main(int argc, char** argv) {
    return engine::runLessonProgram(argc, argv, lessonCatalogue());
}
