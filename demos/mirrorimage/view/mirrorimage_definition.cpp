#include "mirrorimage/view/mirrorimage_definition.h"

#include "mirrorimage/core/mirrorimage_exercises.h"
#include "transformkit/view/transform_explore.h"

namespace mirrorimage {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "mirrorimage";
    def.title = "Transformations: Reflections";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) {
        return new transformkit::TransformExplore(transformkit::TransformKind::Reflection, parent);
    };
    def.exerciseKinds = mirrorimageExerciseKinds();
    def.aboutText =
        "Reflections turns a polygon over in a mirror line: an axis, y = x, y = \u2212x, x = h, y "
        "= k, any line a\u00b7x + b\u00b7y = c or the line through two points you drag. The image "
        "is drawn with its vertices A\u2032, B\u2032, ..., the rule, the exact images and what a "
        "reflection keeps and reverses are shown beside it; a second reflection shows that two "
        "make a rotation or a translation; and it sets exercises with worked solutions.";
    return def;
}

} // namespace mirrorimage
