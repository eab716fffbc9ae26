#include "solids/view/solids_definition.h"

#include "solids/core/solid_exercises.h"
#include "solids/view/solids_explore.h"

namespace solids {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "solids";
    def.title = "The Five Regular Solids";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new SolidsExplore(parent); };
    def.exerciseKinds = exerciseKinds();
    def.aboutText = "Solids shows the five convex regular polyhedra, computed from their "
                    "coordinates and drawn with shaded faces that turn as you drag them: their "
                    "vertices, edges and faces counted with Euler's formula, the face polygon and "
                    "the faces at each corner, the dual inside each solid, the net of each, and "
                    "the table of angles that shows why there are exactly five; and it sets "
                    "exercises with worked solutions.";
    return def;
}

} // namespace solids
