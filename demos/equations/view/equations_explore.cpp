#include "equations/view/equations_explore.h"

#include "equations/view/inequality_tab.h"
#include "equations/view/polynomial_tab.h"

namespace equations {

EquationsExplore::EquationsExplore(QWidget* parent)
    : QTabWidget(parent), polynomial_(new PolynomialTab(this)),
      inequality_(new InequalityTab(this)) {
    setObjectName("equationsExplore");
    addTab(polynomial_, tr("&Polynomial and roots"));
    addTab(inequality_, tr("&Inequalities"));
}

} // namespace equations
