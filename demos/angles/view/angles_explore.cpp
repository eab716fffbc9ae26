#include "angles/view/angles_explore.h"

#include "angles/view/triangle_tab.h"
#include "angles/view/unit_circle_tab.h"
#include "angles/view/wave_tab.h"

#include <numbers>

namespace angles {

AnglesExplore::AnglesExplore(QWidget* parent) : QTabWidget(parent) {
    setObjectName("anglesTabs");
    auto* circle = new UnitCircleTab(this);
    auto* waves = new WaveTab(this);
    // The angle dragged on the circle is marked on the graphs.
    connect(circle, &UnitCircleTab::angleChanged, waves, &WaveTab::markAngle);
    waves->markAngle(circle->degrees() * std::numbers::pi / 180);
    addTab(circle, tr("Unit circle"));
    addTab(waves, tr("Graphs"));
    addTab(new TriangleTab(this), tr("Triangles"));
}

} // namespace angles
