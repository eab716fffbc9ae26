#include "arrows/view/arrows_explore.h"

#include "arrows/view/plane_tab.h"
#include "arrows/view/space_tab.h"

namespace arrows {

ArrowsExplore::ArrowsExplore(QWidget* parent)
    : QTabWidget(parent), plane_(new PlaneTab(this)), space_(new SpaceTab(this)) {
    setObjectName("arrowsExplore");
    addTab(plane_, tr("In the &plane"));
    addTab(space_, tr("In &space (3-D)"));
}

} // namespace arrows
