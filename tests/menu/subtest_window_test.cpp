#include "menu_fixture.h"

#include "menu/view/topic_link.h"
#include "platform/qt/font_by_face.h"
#include "platform/qt/picture_button.h"

#include <QApplication>
#include <QEnterEvent>
#include <QGroupBox>
#include <QListWidget>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

namespace {

using SubtestWindowTest = MenuFixture;

void pointAt(menu::TopicLink* link) {
    QEnterEvent enter(QPointF(5, 5), link->mapTo(link->window(), QPointF(5, 5)),
                      link->mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(link, &enter);
}

void pointAway(menu::TopicLink* link) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(link, &leave);
}

void click(menu::TopicLink* link) {
    QTest::mouseClick(link, Qt::LeftButton, {}, {5, 5});
}

} // namespace

TEST_F(SubtestWindowTest, EachSubtestRowOpensItsWindowOwnedByTheDisabledMainWindow) {
    const char* titles[] = {"Orvo the Tamlex Subtest I", "Orvo the Tamlex Subtest II",
                            "Orvo the Tamlex Subtest III"};
    const QSize sizes[] = {{400, 360}, {400, 240}, {400, 200}};
    const int numbers[] = {1, 4, 5};
    for (int row = 0; row < 3; ++row) {
        menu::SubtestWindow* window = openSection(row);
        ASSERT_TRUE(window) << "row " << row;
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->windowNumber(), numbers[row]);
        EXPECT_EQ(window->windowTitle(), titles[row]);
        EXPECT_EQ(window->size(), sizes[row]);
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
        EXPECT_EQ(window->geometry().center(), window->screen()->geometry().center());
        const Qt::WindowFlags flags = window->windowFlags();
        EXPECT_TRUE(flags & Qt::WindowTitleHint);
        EXPECT_FALSE(flags & Qt::WindowSystemMenuHint);
        EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(window->windowHandle()->transientParent(), mainWindow().windowHandle());
        EXPECT_FALSE(mainWindow().isEnabled());
        EXPECT_FALSE(mainWindow().menuBar()->isEnabled());
        EXPECT_TRUE(window->isEnabled());
        pressBack();
    }
    EXPECT_TRUE(starts.empty());
}

TEST_F(SubtestWindowTest, SelectFrameAndBackButtonOfEachWindow) {
    const QRect frames[] = {{10, 15, 380, 275}, {10, 15, 380, 170}, {10, 15, 380, 120}};
    const QRect backs[] = {{150, 305, 90, 38}, {150, 200, 90, 38}, {150, 150, 90, 38}};
    const int backNumbers[] = {45, 53, 63};
    for (int row = 0; row < 3; ++row) {
        menu::SubtestWindow* window = openSection(row);
        ASSERT_TRUE(window);
        EXPECT_EQ(window->selectFrame()->geometry(), frames[row]);
        EXPECT_EQ(window->selectFrame()->title(), "Select");
        EXPECT_EQ(window->backButton()->geometry(), backs[row]);
        EXPECT_EQ(window->backButton()->controlNumber(), backNumbers[row]);
        EXPECT_EQ(window->backButton()->picture(), pictures.back);
        pressBack();
    }
}

TEST_F(SubtestWindowTest, LinksSitFiftyPixelsApartInTheUnderlinedLinkFont) {
    menu::SubtestWindow* window = openSection(0);
    ASSERT_TRUE(window);
    const std::vector<menu::TopicLink*>& links = window->links();
    ASSERT_EQ(links.size(), 5u);
    const QStringList texts{"Algebraic Structures", "Numbers", "Rings, Fields, and Matrices",
                            "Vectors", "Number Theory"};
    const int pixels = platform::pointsToPixels(14, window->screen()->logicalDotsPerInchY());
    for (int k = 0; k < 5; ++k) {
        menu::TopicLink* link = links[std::size_t(k)];
        EXPECT_EQ(link->text(), texts[k]);
        EXPECT_EQ(link->controlNumber(), 40 + k);
        EXPECT_EQ(link->geometry(), QRect(20, 45 + 50 * k, k == 0 ? 320 : 250, 25));
        EXPECT_EQ(link->font().family(), "Arial");
        EXPECT_TRUE(link->font().bold());
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->font().pixelSize(), pixels);
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_TRUE(link->testAttribute(Qt::WA_TranslucentBackground));
    }
    pressBack();
    window = openSection(2);
    ASSERT_TRUE(window);
    ASSERT_EQ(window->links().size(), 2u);
    EXPECT_EQ(window->links()[0]->geometry(), QRect(20, 45, 180, 25));
    EXPECT_EQ(window->links()[1]->geometry(), QRect(20, 95, 250, 25));
}

TEST_F(SubtestWindowTest, ALinkTurnsYellowUnderThePointerAndBlackAgainAfter) {
    menu::SubtestWindow* window = openSection(1);
    ASSERT_TRUE(window);
    menu::TopicLink* link = window->links()[1];
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    pointAt(link);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_EQ(window->links()[0]->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    // The yellow is what is painted.
    const QImage shown = link->grab().toImage();
    bool yellowSeen = false;
    for (int y = 0; y < shown.height() && !yellowSeen; ++y)
        for (int x = 0; x < shown.width() && !yellowSeen; ++x)
            yellowSeen = QColor(shown.pixel(x, y)) == QColor(255, 255, 0);
    EXPECT_TRUE(yellowSeen);
    pointAway(link);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST_F(SubtestWindowTest, ALinkShowsTheHourglassWhileItsProgramRunsAndTheWindowStaysOpen) {
    menu::SubtestWindow* window = openSection(0);
    ASSERT_TRUE(window);
    click(window->links()[2]);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].program, "ringsfields.exe");
    EXPECT_EQ(starts[0].mode, menu::StartMode::Wait);
    EXPECT_TRUE(starts[0].hourglass);
    EXPECT_FALSE(starts[0].mainWindowEnabled);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(program->subtestWindow(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(mainWindow().isEnabled());
}

TEST_F(SubtestWindowTest, OnlyALeftReleaseOverTheLinkIssuesItsEvent) {
    menu::SubtestWindow* window = openSection(0);
    ASSERT_TRUE(window);
    QTest::mouseClick(window->links()[0], Qt::RightButton, {}, {5, 5});
    QTest::mousePress(window->links()[0], Qt::LeftButton, {}, {5, 5});
    QTest::mouseRelease(window->links()[0], Qt::LeftButton, {}, {5, 300});
    EXPECT_TRUE(starts.empty());
    click(window->links()[0]);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].program, "setsrelations.exe");
}

TEST_F(SubtestWindowTest, HistoryOfMathematicsLinkDoesNotWait) {
    menu::SubtestWindow* window = openSection(2);
    ASSERT_TRUE(window);
    click(window->links()[0]);
    click(window->links()[1]);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(starts[0].program, "fluxions.exe");
    EXPECT_EQ(starts[0].mode, menu::StartMode::Wait);
    EXPECT_EQ(starts[1].program, "chronicle.exe");
    EXPECT_EQ(starts[1].mode, menu::StartMode::Detached);
    EXPECT_TRUE(starts[1].hourglass);
}

TEST_F(SubtestWindowTest, BackGivesTheMainWindowBackWithTheSelectionKept) {
    menu::SubtestWindow* window = openSection(1);
    ASSERT_TRUE(window);
    pressBack();
    EXPECT_EQ(program->subtestWindow(), nullptr);
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_TRUE(mainWindow().menuBar()->isEnabled());
    EXPECT_EQ(mainWindow().selectedRow(), 1);
    // And the study button opens the same Section again.
    pressStudy();
    ASSERT_TRUE(program->subtestWindow());
    EXPECT_EQ(program->subtestWindow()->windowNumber(), 4);
}

TEST_F(SubtestWindowTest, WhileOpenTheIndexMenuAndSecondWindowsAreOutOfReach) {
    menu::SubtestWindow* window = openSection(0);
    ASSERT_TRUE(window);
    program->handleCommand(22);
    program->handleCommand(4);
    EXPECT_TRUE(starts.empty());
    EXPECT_EQ(helpCount, 0);
    // Even a study button event that got through would not open a second window.
    program->handleControl(menu::control::studyButton);
    EXPECT_EQ(program->subtestWindow(), window);
}

TEST_F(SubtestWindowTest, F1OpensTheHelpFromEverySubtestWindow) {
    for (int row = 0; row < 3; ++row) {
        menu::SubtestWindow* window = openSection(row);
        ASSERT_TRUE(window);
        window->activateWindow();
        // The window is active as soon as its owner is; wait until it has the keyboard.
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }));
        QTest::keyClick(window, Qt::Key_F1);
        EXPECT_EQ(helpCount, row + 1) << "subtest window " << window->windowNumber();
        EXPECT_TRUE(starts.empty());
        EXPECT_EQ(program->subtestWindow(), window) << "the window stays open";
        pressBack();
    }
}
