// The examination program as its main runs it: the practice pane answered wrong and right, then
// a short examination started, answered and marked through the widgets; the status is the
// verdict. The history goes to a temporary data folder.
#include "extras/view/extras_definition.h"
#include "run_demo_check.h"

#include <QComboBox>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    run_demo_check::exploreCheck = [](kit::DemoWindow& window) {
        window.findChild<QSpinBox*>("questionCount")->setValue(3);
        QTest::mouseClick(window.findChild<QPushButton*>("startButton"), Qt::LeftButton);
        auto* pages = window.findChild<QStackedWidget*>("examPages");
        run_demo_check::expect(pages->currentIndex() == 1, "the examination starts");
        QTest::keyClicks(window.findChild<QLineEdit*>("examAnswer"), "A");
        QTest::mouseClick(window.findChild<QPushButton*>("finishButton"), Qt::LeftButton);
        run_demo_check::expect(pages->currentIndex() == 2, "the examination is marked");
        run_demo_check::expect(
            window.findChild<QLabel*>("overallScore")->text().contains(" of 3 right"),
            "the report counts three questions");
    };
    return run_demo_check::runAndDrive(argc, argv, extras::demoDefinition());
}
