#include "continuity/view/continuity_definition.h"

#include "continuity/core/limit_exercises.h"
#include "continuity/view/continuity_explore.h"

namespace continuity {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "continuity";
    def.title = "Limits and Continuity";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new ContinuityExplore(parent); };
    def.exerciseKinds = exerciseKinds();
    def.aboutText = "Limits and Continuity plots a typed function around a point a, tabulates its "
                    "values from the left and from the right, finds the one-sided limits, the "
                    "limits at infinity and the infinite limits exactly by series expansion where "
                    "there is one and numerically always, compares the two, names the kind of "
                    "discontinuity, plays the &epsilon;&ndash;&delta; game with drawn bands, and "
                    "sets exercises with worked solutions.";
    return def;
}

} // namespace continuity
