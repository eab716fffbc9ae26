#include "areas/view/areas_definition.h"

#include "areas/core/area_exercises.h"
#include "areas/view/areas_explore.h"

namespace areas {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "areas";
    def.title = "Integrals";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new AreasExplore(parent); };
    def.exerciseKinds = exerciseKinds();
    def.aboutText = "Integrals draws the left, right, midpoint, trapezoid and Simpson sums of a "
                    "typed function with the number of pieces on a slider, beside the exact "
                    "integral F(b) &minus; F(a) when an antiderivative is found and the value "
                    "by adaptive Gauss&ndash;Kronrod quadrature, with the error of each sum; "
                    "draws the area function A(x) with A&prime;(x) = f(x); finds the area "
                    "between two curves; and sets exercises with worked solutions.";
    return def;
}

} // namespace areas
