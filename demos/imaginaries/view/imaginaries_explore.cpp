#include "imaginaries/view/imaginaries_explore.h"

#include "imaginaries/view/plane_tab.h"
#include "imaginaries/view/quadratic_tab.h"
#include "imaginaries/view/roots_tab.h"

namespace imaginaries {

ComplexExplore::ComplexExplore(QWidget* parent) : QTabWidget(parent), plane_(new PlaneTab(this)) {
    setObjectName("explore");
    addTab(plane_, tr("The complex &plane"));
    addTab(new RootsTab(this), tr("&Roots and powers"));
    addTab(new QuadraticTab(this), tr("&Quadratics"));
}

} // namespace imaginaries
