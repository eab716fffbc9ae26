#include "gridpoints/view/gridpoints_definition.h"

#include "gridpoints/core/grid_exercises.h"
#include "gridpoints/view/coordinate_panel.h"

namespace gridpoints {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "gridpoints";
    def.title = "Coordinate Geometry: Points, Distances and Lines";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) {
        return new CoordinatePanel({PlaneMode::Distance, PlaneMode::Line,
                                    PlaneMode::ParallelPerpendicular, PlaneMode::PolygonArea},
                                   parent);
    };
    def.exerciseKinds = gridExerciseKinds();
    def.aboutText = "Points on the coordinate plane, typed as (x, y), dragged or clicked: the "
                    "distance formula with its right triangle, the slope, the line in "
                    "slope-intercept, point-slope and general form, the parallel and the "
                    "perpendicular through a point, and the area of a polygon by the shoelace "
                    "formula, all worked out exactly; with exercises and worked solutions.";
    return def;
}

} // namespace gridpoints
