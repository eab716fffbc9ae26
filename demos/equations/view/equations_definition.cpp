#include "equations/view/equations_definition.h"

#include "equations/core/exercises.h"
#include "equations/view/equations_explore.h"

namespace equations {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "equations";
    def.title = "Polynomial Equations and Inequalities";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new EquationsExplore(parent); };
    def.exerciseKinds = exerciseKinds();
    def.aboutText = "Polynomial Equations and Inequalities expands, collects and factors a typed "
                    "polynomial over the rationals, finds its real roots with their "
                    "multiplicities (exactly by the rational root theorem and the quadratic "
                    "formula, numerically otherwise), draws its graph, solves polynomial and "
                    "rational inequalities with a sign chart in interval notation, and sets "
                    "exercises with worked solutions.";
    return def;
}

} // namespace equations
