// The kit's window through its real widgets: the practice pane answers, scores and reveals
// solutions; the canvas maps, snaps and moves points from the keyboard.
#include "kit/core/answer_checks.h"
#include "kit/view/canvas.h"
#include "kit/view/demo_window.h"
#include "kit/view/practice_panel.h"
#include "window_checks.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace kit;

namespace {

ExerciseKind additionKind() {
    return {"add", "Addition", [](Seed seed) {
                Random random(seed);
                const auto a = random.between(1, 50), b = random.between(1, 50);
                Exercise e;
                e.kind = "add";
                e.prompt = "What is " + std::to_string(a) + " + " + std::to_string(b) + "?";
                e.answerHint = "an integer";
                e.expectedAnswer = std::to_string(a + b);
                e.check = expectInteger(a + b);
                e.solutionSteps = {"Start at " + std::to_string(a) + ".",
                                   "Count on " + std::to_string(b) + "."};
                return e;
            }};
}

ExerciseKind brokenKind() {
    return {"broken", "Broken", [](Seed) -> Exercise { throw std::runtime_error("no"); }};
}

DemoDefinition definition(QString lesson = "qrc:/lesson/lesson.html") {
    DemoDefinition def;
    def.programName = "kittest";
    def.title = "Kit Test";
    def.lessonResource = lesson;
    def.makeExplore = [](QWidget* parent) { return new Canvas(parent); };
    def.exerciseKinds = {additionKind(), brokenKind()};
    def.aboutText = "Adds numbers.";
    return def;
}

using demo_test::named;
using demo_test::plainText;

} // namespace

TEST(PracticeWindow, AnswersScoreOnTheFirstCheckAndSolutionsRevealStepByStep) {
    DemoWindow window(definition());
    window.show();
    window.practice()->setSeed(99);
    auto* field = named<QLineEdit>(window, "answerField");
    auto* verdict = named<QLabel>(window, "verdictLabel");
    auto* score = named<QLabel>(window, "scoreLabel");
    auto* solution = named<QPushButton>(window, "solutionButton");
    auto* steps = named<QTextBrowser>(window, "solutionView");

    const std::string answer = window.practice()->current().expectedAnswer;
    QTest::keyClicks(field, QString::fromStdString(answer));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(plainText(verdict), "Correct.");
    EXPECT_EQ(plainText(score), "Score: 1 of 1");

    QTest::mouseClick(named<QPushButton>(window, "nextButton"), Qt::LeftButton);
    EXPECT_TRUE(field->text().isEmpty());
    QTest::keyClicks(field, "3.5");
    QTest::mouseClick(named<QPushButton>(window, "checkButton"), Qt::LeftButton);
    EXPECT_EQ(plainText(verdict), "expected an integer, got \"3.5\"");
    field->setText(QString::fromStdString(window.practice()->current().expectedAnswer));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(plainText(verdict), "Correct.");
    EXPECT_EQ(plainText(score), "Score: 1 of 2") << "only the first check counts";

    QTest::mouseClick(solution, Qt::LeftButton);
    EXPECT_TRUE(steps->toPlainText().contains("Start at"));
    EXPECT_FALSE(steps->toPlainText().contains("Count on"));
    QTest::mouseClick(solution, Qt::LeftButton);
    EXPECT_TRUE(steps->toPlainText().contains("Count on"));
    EXPECT_TRUE(steps->toPlainText().contains(
        QString::fromStdString("Answer: " + window.practice()->current().expectedAnswer)));
    EXPECT_FALSE(solution->isEnabled());

    QTest::mouseClick(named<QPushButton>(window, "nextButton"), Qt::LeftButton);
    QTest::mouseClick(solution, Qt::LeftButton);
    EXPECT_EQ(plainText(score), "Score: 1 of 3")
        << "a solution shown before checking counts as not solved";
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(plainText(verdict), "Type an answer first.");
}

TEST(PracticeWindow, TheSameSeedGivesTheSameExercisesAndAFailingKindIsHarmless) {
    PracticePanel first({additionKind(), brokenKind()});
    PracticePanel second({additionKind(), brokenKind()});
    first.setSeed(5);
    second.setSeed(5);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(first.current().prompt, second.current().prompt);
        first.nextExercise();
        second.nextExercise();
    }
    auto* chooser = first.findChild<QComboBox*>("kindChooser");
    ASSERT_NE(chooser, nullptr);
    chooser->setCurrentIndex(1);
    EXPECT_EQ(first.current().kind, "broken");
    first.findChild<QLineEdit*>("answerField")->setText("1");
    first.checkAnswer();
    EXPECT_EQ(first.score().attempted(), 1);
    EXPECT_FALSE(first.findChild<QPushButton*>("solutionButton")->isEnabled());
}

TEST(PracticeWindow, WindowHasTitleLessonMinimumSizeAndClosesCleanly) {
    DemoWindow window(definition());
    window.show();
    EXPECT_EQ(window.windowTitle(), "Kit Test");
    EXPECT_TRUE(window.lesson()->toPlainText().contains("count on three"));
    EXPECT_GE(window.minimumWidth(), 900);
    window.resize(200, 200);
    EXPECT_GE(window.width(), window.minimumWidth());
    EXPECT_TRUE(window.close());

    DemoWindow missing(definition("qrc:/lesson/none.html"));
    EXPECT_TRUE(missing.lesson()->toPlainText().contains("missing"));
}

TEST(CanvasView, MapsWorldToPixelsSnapsDraggedPointsAndMovesThemByKey) {
    Canvas canvas;
    canvas.resize(400, 400);
    canvas.setWorldRect(QRectF(-10, -10, 20, 20));
    canvas.show();
    const CanvasTransform t = canvas.transform();
    EXPECT_EQ(t.toPixels(QPointF(0, 0)), QPointF(200, 200));
    EXPECT_EQ(t.toPixels(QPointF(10, 10)), QPointF(400, 0)) << "y grows upwards";
    EXPECT_EQ(t.toWorld(QPointF(300, 100)), QPointF(5, 5));

    canvas.addPoint("z", QPointF(0, 0), 1.0, "z");
    QSignalSpy moved(&canvas, &Canvas::pointMoved);
    QTest::mousePress(&canvas, Qt::LeftButton, {}, QPoint(200, 200));
    QMouseEvent drag(QEvent::MouseMove, QPointF(262, 138), QPointF(262, 138), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&canvas, &drag);
    QTest::mouseRelease(&canvas, Qt::LeftButton, {}, QPoint(262, 138));
    EXPECT_EQ(canvas.pointPosition("z"), QPointF(3, 3)) << "3.1 snaps to 3";
    ASSERT_EQ(moved.count(), 1);

    QTest::keyClick(&canvas, Qt::Key_Right);
    QTest::keyClick(&canvas, Qt::Key_Down);
    EXPECT_EQ(canvas.pointPosition("z"), QPointF(4, 2));

    canvas.setPointBounds(QRectF(-5, -5, 10, 10));
    canvas.setPointPosition("z", QPointF(5, 2));
    QTest::keyClick(&canvas, Qt::Key_Right);
    EXPECT_EQ(canvas.pointPosition("z"), QPointF(5, 2)) << "bounds hold";

    QTest::keyClick(&canvas, Qt::Key_Plus);
    EXPECT_LT(canvas.worldRect().width(), 20.0);
    QTest::keyClick(&canvas, Qt::Key_Home);
    EXPECT_EQ(canvas.worldRect(), QRectF(-10, -10, 20, 20));
}

TEST(CanvasView, TickStepsAreOneTwoOrFiveTimesAPowerOfTen) {
    EXPECT_DOUBLE_EQ(niceTickStep(20, 40), 2.0);
    EXPECT_DOUBLE_EQ(niceTickStep(100, 40), 0.5);
    EXPECT_DOUBLE_EQ(niceTickStep(0.01, 40), 5000.0);
    EXPECT_DOUBLE_EQ(niceTickStep(0, 40), 1.0);
}
