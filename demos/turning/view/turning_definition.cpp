#include "turning/view/turning_definition.h"

#include "transformkit/view/transform_explore.h"
#include "turning/core/turning_exercises.h"

namespace turning {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "turning";
    def.title = "Transformations: Rotations";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) {
        return new transformkit::TransformExplore(transformkit::TransformKind::Rotation, parent);
    };
    def.exerciseKinds = turningExerciseKinds();
    def.aboutText =
        "Rotations turns a polygon about a centre you drag through an angle you type or slide: the "
        "image is drawn with its vertices A\u2032, B\u2032, ..., the rule, the images (exact for "
        "multiples of 90\u00b0, with roots for multiples of 30\u00b0 and 45\u00b0) and what a "
        "rotation keeps are shown beside it; a second rotation shows what two together are; and it "
        "sets exercises with worked solutions.";
    return def;
}

} // namespace turning
