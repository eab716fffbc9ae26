#include "grids2/view/grids2_definition.h"

#include "grids2/core/system_exercises.h"
#include "grids2/view/grids2_explore.h"

namespace grids2 {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "grids2";
    def.title = "More Matrices: Systems, Maps and Eigenvalues";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new Grids2Explore(parent); };
    def.exerciseKinds = systemExerciseKinds();
    def.aboutText = "More Matrices solves systems Ax = b by Gaussian elimination with every row "
                    "operation shown, finds the rank and whether there is one solution, none or "
                    "infinitely many (with the parametric form), applies Cramer's rule, draws a "
                    "2 \u00d7 2 matrix as a map of the plane with the determinant as the signed "
                    "area, and finds eigenvalues and eigenvectors exactly where it can; and it "
                    "sets exercises with worked solutions.";
    return def;
}

} // namespace grids2
