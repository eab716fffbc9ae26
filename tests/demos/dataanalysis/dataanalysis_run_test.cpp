// The statistics program as its main runs it, driven through its widgets and closed; the
// process status is the verdict.
#include "dataanalysis/view/centre_tab.h"
#include "dataanalysis/view/data_grid.h"
#include "dataanalysis/view/dataanalysis_definition.h"

#include "run_demo_check.h"

#include <QTableView>

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        QAbstractItemModel* cells =
            window.findChild<dataanalysis::CentreTab*>()->grid()->view()->model();
        cells->setData(cells->index(0, 0), "22");
        run_demo_check::expect(window.findChild<QTextBrowser*>("centreResults")
                                   ->toPlainText()
                                   .contains("160 / 10 = 16"),
                               "the mean follows the typed value");
    };
    return run_demo_check::runAndDrive(argc, argv, dataanalysis::demoDefinition());
}
