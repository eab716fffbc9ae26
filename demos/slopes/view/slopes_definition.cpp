#include "slopes/view/slopes_definition.h"

#include "slopes/core/slope_exercises.h"
#include "slopes/view/slopes_explore.h"

namespace slopes {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "slopes";
    def.title = "Derivatives";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new SlopesExplore(parent); };
    def.exerciseKinds = exerciseKinds();
    def.aboutText = "Derivatives shows the secant of a typed function turning into the tangent as "
                    "h shrinks, with the difference quotients tabulated; works out the derivative "
                    "rule by rule (sum, constant multiple, power, product, quotient, chain, "
                    "exponential, logarithm, trigonometric); draws the derivative's graph beside "
                    "the function; finds critical points, intervals of increase and decrease, "
                    "concavity and inflection points; writes the tangent's equation; checks a "
                    "derivative the learner types; and sets exercises with worked solutions.";
    return def;
}

} // namespace slopes
