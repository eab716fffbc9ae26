#include "scaling/view/scaling_definition.h"

#include "scaling/core/scaling_exercises.h"
#include "transformkit/view/transform_explore.h"

namespace scaling {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "scaling";
    def.title = "Transformations: Dilations";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) {
        return new transformkit::TransformExplore(transformkit::TransformKind::Dilation, parent);
    };
    def.exerciseKinds = scalingExerciseKinds();
    def.aboutText =
        "Dilations enlarges or shrinks a polygon from a centre you drag by a factor k you type or "
        "slide, negative k included: the image is drawn with its vertices A\u2032, B\u2032, ..., "
        "the rule, the exact images and what a dilation keeps and changes are shown beside it; a "
        "second dilation shows what two together are; and it sets exercises with worked solutions.";
    return def;
}

} // namespace scaling
