#include "grids2/view/grids2_explore.h"

#include "grids2/view/eigen_tab.h"
#include "grids2/view/plane_map_tab.h"
#include "grids2/view/system_tab.h"

namespace grids2 {

Grids2Explore::Grids2Explore(QWidget* parent) : QTabWidget(parent) {
    setObjectName("grids2Explore");
    addTab(new SystemTab(this), tr("&Systems Ax = b"));
    addTab(new PlaneMapTab(this), tr("&Map of the plane"));
    addTab(new EigenTab(this), tr("&Eigenvalues"));
}

} // namespace grids2
