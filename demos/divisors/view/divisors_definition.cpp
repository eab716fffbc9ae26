#include "divisors/view/divisors_definition.h"

#include "divisors/core/exercises.h"
#include "divisors/view/divisors_explore.h"

namespace divisors {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "divisors";
    def.title = "Divisors and Prime Factors";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new DivisorsExplore(parent); };
    def.exerciseKinds = exerciseKinds();
    def.aboutText = "Divisors and Prime Factors shows the divisors of a number as rectangles of "
                    "squares, factorises numbers of up to thirty digits, animates the sieve of "
                    "Eratosthenes, works the Euclidean algorithm line by line with B&eacute;zout's "
                    "coefficients, and sets exercises with worked solutions.";
    return def;
}

} // namespace divisors
