#include "decimals/view/decimals_definition.h"

#include "decimals/core/decimal_exercises.h"
#include "decimals/view/decimals_explore.h"

namespace decimals {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "decimals";
    def.title = "Real Numbers: Decimals, Roots and the Number Line";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new DecimalsExplore(parent); };
    def.exerciseKinds = decimalExerciseKinds();
    def.aboutText = "Real Numbers finds the decimal of a fraction by long division with its "
                    "repeating block, turns repeating decimals back into fractions, proves that "
                    "the square root of 2 is irrational and approaches it by bisection and by "
                    "Newton's method, zooms into the number line, and practises least upper "
                    "bounds, rounding and scientific notation.";
    return def;
}

} // namespace decimals
