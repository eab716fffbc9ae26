// A construction program as its main runs it, driven through its widgets and closed; the
// process status is the verdict. Besides the practice drive: Watch steps forward and back, a
// dragged given point moves the figure, and Try it refuses a wrong step and takes a right one.
#include "constructionkit/view/construction_demo.h"
#include "constructionkit/view/construction_player.h"

#include "kit/view/canvas.h"
#include "run_demo_check.h"

#include <QComboBox>

static void scheduleTheDrive() {
    run_demo_check::scheduleTheDrive();
}
Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

namespace {

double pointSum(const constructions::Figure& f) {
    double sum = 0.0;
    for (const auto& o : f.objects)
        if (o.defined)
            sum += o.point.x + 3.0 * o.point.y;
    return sum;
}

void checkThePlayer(kit::DemoWindow& window) {
    using run_demo_check::expect;
    auto* player = window.findChild<constructions::ConstructionPlayer*>();
    expect(player != nullptr, "the player is the explore area");
    if (!player)
        return;
    auto* caption = window.findChild<QTextBrowser*>("captionView");
    QTest::mouseClick(window.findChild<QPushButton*>("forwardButton"), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QPushButton*>("forwardButton"), Qt::LeftButton);
    expect(player->shownSteps() == 1, "Forward draws step 1, a second press finishes it");
    expect(caption->toPlainText().contains("Step 1."), "the caption tells step 1");
    expect(caption->toPlainText().contains("Why:"), "the caption gives the reason");
    QTest::mouseClick(window.findChild<QPushButton*>("backButton"), Qt::LeftButton);
    expect(player->shownSteps() == 0, "Back goes to the start");

    auto* canvas = window.findChild<kit::Canvas*>("constructionCanvas");
    const auto before = pointSum(player->figure());
    const QPointF moved(1.25, -0.75);
    const QString firstGiven = "A";
    canvas->setPointPosition(firstGiven, moved);
    emit canvas->pointMoved(firstGiven, moved);
    expect(player->figure().problem.empty() && before != pointSum(player->figure()),
           "a dragged given point moves the constructed points");

    window.findChild<QComboBox*>("modeChooser")->setCurrentIndex(1);
    auto* field = window.findChild<QLineEdit*>("toolField");
    auto* verdict = window.findChild<QLabel*>("tryVerdict");
    field->setText("line A A");
    QTest::keyClick(field, Qt::Key_Return);
    expect(!verdict->text().startsWith("Right"), "Try it refuses a wrong step");
    field->setText("nonsense");
    QTest::keyClick(field, Qt::Key_Return);
    expect(verdict->text().contains("line A B"), "typed nonsense is explained");
    QTest::mouseClick(window.findChild<QPushButton*>("hintButton"), Qt::LeftButton);
    expect(verdict->text().startsWith("Hint"), "the hint names the next step");
}

} // namespace

int main(int argc, char** argv) {
    run_demo_check::exploreCheck = checkThePlayer;
    return run_demo_check::runAndDrive(argc, argv,
                                       constructions::constructionDemo(CONSTRUCTION_NAME));
}
