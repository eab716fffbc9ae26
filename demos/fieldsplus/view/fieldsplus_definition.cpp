#include "fieldsplus/view/fieldsplus_definition.h"

#include "fieldsplus/core/field_exercises.h"
#include "fieldsplus/view/fieldsplus_explore.h"

namespace fieldsplus {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "fieldsplus";
    def.title = "More Rings, Fields and Integral Domains";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new FieldsplusExplore(parent); };
    def.exerciseKinds = exerciseKinds();
    def.aboutText = "More Rings, Fields and Integral Domains shows with the tables why Z_n is a "
                    "field exactly when n is prime, works inverses modulo p by the extended "
                    "Euclidean algorithm step by step, finds the characteristic of a ring, "
                    "shows the field of four elements, solves ax + b = c in Z_p, and sets "
                    "exercises with worked solutions.";
    return def;
}

} // namespace fieldsplus
