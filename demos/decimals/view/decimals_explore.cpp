#include "decimals/view/decimals_explore.h"

#include "decimals/view/division_tab.h"
#include "decimals/view/roots_tab.h"
#include "decimals/view/rounding_tab.h"
#include "decimals/view/zoom_tab.h"

namespace decimals {

DecimalsExplore::DecimalsExplore(QWidget* parent) : QTabWidget(parent) {
    setObjectName("explore");
    addTab(new DivisionTab(this), tr("&Long division"));
    addTab(new RootsTab(this), tr("&\u221a2 and friends"));
    addTab(new ZoomTab(this), tr("Number line &zoom"));
    addTab(new RoundingTab(this), tr("&Rounding"));
}

} // namespace decimals
