#include "fractiondrill/view/fractiondrill_explore.h"

#include "fractiondrill/view/drill_tab.h"
#include "fractiondrill/view/operations_tab.h"
#include "fractiondrill/view/pictures_tab.h"

namespace fractiondrill {

FractionExplore::FractionExplore(QWidget* parent) : QTabWidget(parent), drill_(new DrillTab(this)) {
    setObjectName("explore");
    addTab(new PicturesTab(this), tr("&Pictures"));
    addTab(new OperationsTab(this), tr("&Operations"));
    addTab(drill_, tr("D&rill"));
}

} // namespace fractiondrill
