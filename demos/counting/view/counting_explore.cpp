#include "counting/view/counting_explore.h"

#include "counting/core/counting_exercises.h"
#include "counting/view/base_explorer.h"
#include "counting/view/divisibility_explorer.h"
#include "counting/view/induction_explorer.h"
#include "counting/view/peano_explorer.h"

namespace counting {

CountingExplore::CountingExplore(QWidget* parent)
    : QTabWidget(parent), induction_(new InductionExplorer(this)), bases_(new BaseExplorer(this)),
      divisibility_(new DivisibilityExplorer(this)), peano_(new PeanoExplorer(this)) {
    setObjectName("explore");
    addTab(induction_, tr("&Induction"));
    addTab(bases_, tr("&Bases"));
    addTab(divisibility_, tr("&Divisibility"));
    addTab(peano_, tr("&Peano"));
}

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "counting";
    def.title = "Natural Numbers";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new CountingExplore(parent); };
    def.exerciseKinds = countingExerciseKinds();
    def.aboutText =
        "Natural Numbers starts from the Peano postulates, adds and multiplies with the "
        "successor alone, proves 1 + 2 + ... + n = n(n + 1)/2 by induction beside the "
        "triangle of dots, converts numerals between bases 2 to 16 step by step and "
        "shows why each divisibility rule works. Its exercises come with worked "
        "solutions.";
    return def;
}

} // namespace counting
