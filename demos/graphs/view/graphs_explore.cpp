#include "graphs/view/graphs_explore.h"

#include "graphs/view/compose_tab.h"
#include "graphs/view/line_tab.h"
#include "graphs/view/plot_tab.h"
#include "graphs/view/transform_tab.h"

namespace graphs {

GraphsExplore::GraphsExplore(QWidget* parent)
    : QTabWidget(parent), plot_(new PlotTab(this)), transform_(new TransformTab(this)),
      compose_(new ComposeTab(this)), line_(new LineTab(this)) {
    setObjectName("graphsExplore");
    addTab(plot_, tr("&Plot"));
    addTab(transform_, tr("&Transform"));
    addTab(compose_, tr("&Compose, invert"));
    addTab(line_, tr("&Line"));
}

} // namespace graphs
