#include "dataanalysis/view/dataanalysis_explore.h"

#include "dataanalysis/view/centre_tab.h"
#include "dataanalysis/view/chi_square_tab.h"
#include "dataanalysis/view/regression_tab.h"
#include "dataanalysis/view/sampling_tab.h"
#include "dataanalysis/view/spread_tab.h"

namespace dataanalysis {

DataAnalysisExplore::DataAnalysisExplore(QWidget* parent) : QTabWidget(parent) {
    setObjectName("explore");
    addTab(new CentreTab(this), tr("1 &Centre"));
    addTab(new SpreadTab(this), tr("2 Sp&read"));
    addTab(new SamplingTab(this), tr("3 &Sampling"));
    addTab(new RegressionTab(this), tr("4 &Least squares"));
    addTab(new ChiSquareTab(this), tr("5 C&hi-square"));
}

} // namespace dataanalysis
