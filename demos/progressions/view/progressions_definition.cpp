#include "progressions/view/progressions_definition.h"

#include "progressions/core/progression_exercises.h"
#include "progressions/view/progressions_explore.h"

namespace progressions {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "progressions";
    def.title = "Sequences and Series";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new ProgressionsExplore(parent); };
    def.exerciseKinds = exerciseKinds();
    def.aboutText = "Progressions teaches arithmetic and geometric sequences, their n-th terms "
                    "and sums, sequences given by a formula or a recursion, and series: their "
                    "partial sums are plotted against n beside the terms, and the geometric, "
                    "p-series, comparison, ratio and alternating series tests explain whether "
                    "they converge. It sets exercises checked exactly, with worked solutions.";
    return def;
}

} // namespace progressions
