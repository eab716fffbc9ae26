// The statistics program as its main runs it, driven through its widgets and closed; the
// process status is the verdict.
#include "dataanalysis/view/centre_tab.h"
#include "dataanalysis/view/data_grid.h"
#include "dataanalysis/view/dataanalysis_definition.h"

#include "run_demo_check.h"

#include <QTableWidget>

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        auto* table = window.findChild<dataanalysis::CentreTab*>()->grid()->table();
        table->setItem(0, 0, new QTableWidgetItem("22"));
        run_demo_check::expect(window.findChild<QTextBrowser*>("centreResults")
                                   ->toPlainText()
                                   .contains("160 / 10 = 16"),
                               "the mean follows the typed value");
    };
    return run_demo_check::runAndDrive(argc, argv, dataanalysis::demoDefinition());
}
