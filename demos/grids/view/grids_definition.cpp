#include "grids/view/grids_definition.h"

#include "grids/core/grid_exercises.h"
#include "grids/view/grids_explore.h"

namespace grids {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "grids";
    def.title = "Matrices: Operations, Determinants and Inverses";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new GridsExplore(parent); };
    def.exerciseKinds = gridExerciseKinds();
    def.aboutText = "Matrices lets you type two matrices up to 6 \u00d7 6 with exact fractions "
                    "and see their sum, difference, scalar multiples, products (and why a "
                    "product of the wrong sizes is not defined), the transpose, the determinant "
                    "by cofactors or by row reduction and the inverse by Gauss\u2013Jordan "
                    "elimination with every row operation written out; and it sets exercises "
                    "with worked solutions.";
    return def;
}

} // namespace grids
