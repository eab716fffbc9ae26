#include "shifting/view/shifting_definition.h"

#include "shifting/core/shifting_exercises.h"
#include "transformkit/view/transform_explore.h"

namespace shifting {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "shifting";
    def.title = "Transformations: Translations";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) {
        return new transformkit::TransformExplore(transformkit::TransformKind::Translation, parent);
    };
    def.exerciseKinds = shiftingExerciseKinds();
    def.aboutText = "Translations slides a polygon on the grid by a vector that you type or drag: "
                    "the image is drawn with its vertices A\u2032, B\u2032, ... and the rule "
                    "(x, y) \u2192 (x + a, y + b), the exact images and what a translation keeps "
                    "are shown beside it; a second translation shows what two together are; and "
                    "it sets exercises with worked solutions.";
    return def;
}

} // namespace shifting
