#include "areas/view/areas_explore.h"

#include "areas/view/area_function_tab.h"
#include "areas/view/between_tab.h"
#include "areas/view/sums_tab.h"

namespace areas {

AreasExplore::AreasExplore(QWidget* parent) : QTabWidget(parent) {
    setObjectName("areasTabs");
    addTab(new SumsTab(this), tr("Sums and the integral"));
    addTab(new AreaFunctionTab(this), tr("Area function"));
    addTab(new BetweenTab(this), tr("Between curves"));
}

} // namespace areas
