#include "halfway/view/halfway_definition.h"

#include "gridpoints/view/coordinate_panel.h"
#include "halfway/core/halfway_exercises.h"

namespace halfway {

kit::DemoDefinition demoDefinition() {
    using gridpoints::PlaneMode;
    kit::DemoDefinition def;
    def.programName = "halfway";
    def.title = "Coordinate Geometry: Midpoints, Ratios, Centroids and Circles";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) {
        return new gridpoints::CoordinatePanel(
            {PlaneMode::Midpoint, PlaneMode::Section, PlaneMode::Centroid, PlaneMode::Circle},
            parent);
    };
    def.exerciseKinds = halfwayExerciseKinds();
    def.aboutText = "Points on the coordinate plane, typed, dragged or clicked: the midpoint of a "
                    "segment, the point dividing it in a ratio m : n, the centroid of a triangle "
                    "with its medians, and the equation of a circle from its centre and a point "
                    "on it, all worked out exactly; with exercises and worked solutions.";
    return def;
}

} // namespace halfway
