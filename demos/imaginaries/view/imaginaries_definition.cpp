#include "imaginaries/view/imaginaries_definition.h"

#include "imaginaries/core/complex_exercises.h"
#include "imaginaries/view/imaginaries_explore.h"

namespace imaginaries {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "imaginaries";
    def.title = "Complex Numbers: the Plane, Polar Form and Roots";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new ComplexExplore(parent); };
    def.exerciseKinds = complexExerciseKinds();
    def.aboutText = "Complex Numbers lets you drag z and w in the complex plane and see their "
                    "sum, difference, product, quotient and conjugates, in rectangular, polar "
                    "and exponential form; draws the n-th roots of a number as a regular "
                    "polygon and its powers by De Moivre's theorem; solves quadratics with a "
                    "negative discriminant; and sets exercises with worked solutions.";
    return def;
}

} // namespace imaginaries
