#include "planesurface/view/planesurface_definition.h"

#include "planesurface/core/area_exercises.h"
#include "planesurface/view/calculator_panel.h"

namespace planesurface {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "planesurface";
    def.title = "Areas of Plane Figures";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new CalculatorPanel(parent); };
    def.exerciseKinds = areaExerciseKinds();
    def.aboutText = "The area calculator: pick a shape (square, rectangle, parallelogram, three "
                    "kinds of triangle, trapezoid, rhombus, circle, sector, ring, ellipse or "
                    "regular polygon), type its measures and see it drawn to scale with the "
                    "formula, the numbers put in, the area and the perimeter; then practise "
                    "with exercises that have worked solutions.";
    return def;
}

} // namespace planesurface
