#include "arrows/view/arrows_definition.h"

#include "arrows/core/vector_exercises.h"
#include "arrows/view/arrows_explore.h"

namespace arrows {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "arrows";
    def.title = "Vectors: Arrows from the Origin";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new ArrowsExplore(parent); };
    def.exerciseKinds = vectorExerciseKinds();
    def.aboutText = "Vectors lets you drag two vectors from the origin on the plane and see their "
                    "sum by the parallelogram, difference, multiples and linear combinations, "
                    "lengths and unit vectors written exactly, the dot product, the angle, the "
                    "projection and what they span; in a 3-D view turned by dragging it shows "
                    "vectors with three components and their cross product; and it sets "
                    "exercises with worked solutions.";
    return def;
}

} // namespace arrows
