#include "addmult/view/addmult_definition.h"

#include "addmult/core/ring_exercises.h"
#include "addmult/view/addmult_explore.h"

namespace addmult {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "addmult";
    def.title = "Rings";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new AddmultExplore(parent); };
    def.exerciseKinds = exerciseKinds();
    def.aboutText = "Rings shows the addition and multiplication tables of Z_n coloured by "
                    "value with the zero, the unity, the units, the zero divisors and the "
                    "idempotents marked, other small rings such as the 2 &times; 2 matrices over "
                    "Z_2 and Z_n &times; Z_m, checks tables you type against every ring axiom "
                    "with the first counterexample, and sets exercises with worked solutions.";
    return def;
}

} // namespace addmult
