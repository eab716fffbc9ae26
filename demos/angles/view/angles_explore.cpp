#include "angles/view/angles_explore.h"

#include "angles/view/triangle_tab.h"
#include "angles/view/unit_circle_tab.h"
#include "angles/view/wave_tab.h"

namespace angles {

AnglesExplore::AnglesExplore(QWidget* parent) : QTabWidget(parent) {
    setObjectName("anglesTabs");
    addTab(new UnitCircleTab(this), tr("Unit circle"));
    addTab(new WaveTab(this), tr("Graphs"));
    addTab(new TriangleTab(this), tr("Triangles"));
}

} // namespace angles
