#include "fractiondrill/view/fractiondrill_definition.h"

#include "fractiondrill/core/fraction_exercises.h"
#include "fractiondrill/view/fractiondrill_explore.h"

namespace fractiondrill {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "fractiondrill";
    def.title = "Rational Numbers: Fractions and the Fraction Drill";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new FractionExplore(parent); };
    def.exerciseKinds = fractionExerciseKinds();
    def.aboutText = "Rational Numbers draws fractions as bars and circles, shows equivalent "
                    "fractions and lowest terms, works the four operations with fractions and "
                    "mixed numbers step by step, compares fractions and finds one between any "
                    "two, converts to decimals and percentages, and sets timed drills with a "
                    "result summary.";
    return def;
}

} // namespace fractiondrill
