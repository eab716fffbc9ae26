#include "help_test_support.h"

#include "platform/help/help_browser.h"
#include "platform/help/help_contents_panel.h"
#include "platform/help/help_placement.h"
#include "platform/help/help_viewer.h"
#include "platform/help/help_window.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

using platform::HelpWindow;

namespace {

const QString courseTitle = QStringLiteral("Orvo the Tamlex Vuvudu Rodezav Iruv");

QUrl topic(const QString& name) {
    return QUrl(QStringLiteral("chm:/") + name);
}

class HelpViewer : public ::testing::Test {
  protected:
    void TearDown() override {
        platform::closeAllHelpWindows();
        help_test::deleteClosedWindows();
    }

    static HelpWindow* open(const std::filesystem::path& file, const std::string& name) {
        platform::showHelpTopic(file.string(), name);
        return platform::lastOpenedHelpWindow();
    }

    static HelpWindow* openCourseHelp(const std::string& name = "introduction.html") {
        return open(help_test::compiledHelpFile(), name);
    }
};

QTreeWidgetItem* contentsItem(const HelpWindow* window, const QString& text) {
    const auto found = window->contentsPanel()->contentsTree()->findItems(
        text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

QTextBlock headingBlock(const HelpWindow* window, const QString& text) {
    const QTextDocument* document = window->browser()->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && block.text().trimmed() == text) {
            return block;
        }
    }
    return {};
}

} // namespace

TEST_F(HelpViewer, OpensTheIntroductionBesideTheProgramAndReturns) {
    HelpWindow* window = openCourseHelp();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(window->currentSource(), topic("introduction.html"));
    EXPECT_TRUE(window->currentText().contains(courseTitle));
    EXPECT_TRUE(window->windowTitle().startsWith("Orvo the Tamlex Help"));
}

TEST_F(HelpViewer, FollowsALinkToAnotherTopic) {
    HelpWindow* window = openCourseHelp();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(help_test::clickLink(window->browser(), "door_game.html"));
    EXPECT_EQ(window->currentSource(), topic("door_game.html"));
    EXPECT_TRUE(window->currentText().contains("Why switching wins"));
    EXPECT_EQ(window->windowTitle(), "Orvo the Tamlex Help - The door game");
}

TEST_F(HelpViewer, GoesBackForwardAndHome) {
    HelpWindow* window = openCourseHelp();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->backButton()->isEnabled());
    ASSERT_TRUE(help_test::clickLink(window->browser(), "geometry.html"));
    ASSERT_TRUE(help_test::clickLink(window->browser(), "vectors.html"));
    EXPECT_EQ(window->currentSource(), topic("vectors.html"));

    ASSERT_TRUE(window->backButton()->isEnabled());
    QTest::mouseClick(window->backButton(), Qt::LeftButton);
    EXPECT_EQ(window->currentSource(), topic("geometry.html"));
    ASSERT_TRUE(window->forwardButton()->isEnabled());
    QTest::mouseClick(window->forwardButton(), Qt::LeftButton);
    EXPECT_EQ(window->currentSource(), topic("vectors.html"));
    QTest::mouseClick(window->homeButton(), Qt::LeftButton);
    EXPECT_EQ(window->currentSource(), topic("introduction.html"));
}

TEST_F(HelpViewer, ShowsPicturesAndTheStylesheetFromTheHelpFile) {
    HelpWindow* window = openCourseHelp("lesson_window.html");
    ASSERT_NE(window, nullptr);
    const QVariant picture = window->browser()->loadResource(QTextDocument::ImageResource,
                                                             QUrl("pictures/lesson_window.png"));
    ASSERT_EQ(picture.typeId(), QMetaType::QImage);
    EXPECT_FALSE(picture.value<QImage>().isNull());
    EXPECT_EQ(picture.value<QImage>().width(), 560);

    // The heading takes its colour from style.css.
    const QTextBlock heading = headingBlock(window, "How a lesson program works");
    ASSERT_TRUE(heading.isValid());
    const QTextCharFormat format = heading.begin().fragment().charFormat();
    EXPECT_EQ(format.foreground().color(), QColor("#225588"));

    EXPECT_FALSE(window->browser()
                     ->loadResource(QTextDocument::ImageResource, QUrl("pictures/none.png"))
                     .isValid());
}

TEST_F(HelpViewer, ReportsAMissingHelpFileInTheWindow) {
    const help_test::ScratchFolder scratch;
    const std::filesystem::path missing = scratch.file("help.chm");
    HelpWindow* window = open(missing, "introduction.html");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->currentText().contains("could not be found"));
    EXPECT_TRUE(window->currentText().contains(QString::fromStdString(missing.string())));
    EXPECT_TRUE(window->contentsPanel()->isHidden());
}

TEST_F(HelpViewer, ReportsAMissingTopicInTheWindow) {
    HelpWindow* window = openCourseHelp("no_such_page.html");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->currentText().contains("has no topic"));
    EXPECT_TRUE(window->currentText().contains("no_such_page.html"));
    EXPECT_TRUE(window->currentText().contains(
        QString::fromStdString(help_test::compiledHelpFile().string())));
}

TEST_F(HelpViewer, ReportsAGarbageFileInTheWindow) {
    const help_test::ScratchFolder scratch;
    help_test::writeBytes(scratch.file("help.chm"), std::string(5000, '\x5a'));
    HelpWindow* window = open(scratch.file("help.chm"), "introduction.html");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->currentText().contains("is not a help file that can be read"));

    const std::string whole = help_test::readBytes(help_test::compiledHelpFile());
    help_test::writeBytes(scratch.file("cut.chm"), whole.substr(0, whole.size() / 2));
    window = open(scratch.file("cut.chm"), "introduction.html");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->currentText().contains("is not a help file that can be read"));
}

TEST_F(HelpViewer, LooksUpABareFileNameInTheWorkingDirectory) {
    const help_test::ScratchFolder scratch;
    help_test::writeBytes(scratch.file("help.chm"),
                          help_test::readBytes(help_test::compiledHelpFile()));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(scratch.file("").string()));
    HelpWindow* window = open("help.chm", "introduction.html");
    QDir::setCurrent(previous);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->currentText().contains(courseTitle));
    EXPECT_TRUE(std::filesystem::equivalent(window->helpFile(), scratch.file("help.chm")));
}

TEST_F(HelpViewer, ReusesTheWindowOfTheSameFile) {
    HelpWindow* first = openCourseHelp();
    HelpWindow* again = openCourseHelp("probability.html");
    EXPECT_EQ(first, again);
    EXPECT_EQ(again->currentSource(), topic("probability.html"));

    const help_test::ScratchFolder scratch;
    help_test::writeBytes(scratch.file("other.chm"),
                          help_test::readBytes(help_test::compiledHelpFile()));
    HelpWindow* other = open(scratch.file("other.chm"), "introduction.html");
    EXPECT_NE(other, first);
    EXPECT_EQ(platform::lastOpenedHelpWindow(), other);
}

TEST_F(HelpViewer, AMinimisedHelpWindowComesBackWhenHelpIsAskedForAgain) {
    HelpWindow* first = openCourseHelp();
    first->showMinimized();
    QCoreApplication::processEvents();
    HelpWindow* again = openCourseHelp();
    EXPECT_EQ(again, first);
    EXPECT_FALSE(again->windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(again->isVisible());
}

TEST_F(HelpViewer, ReadsTheHelpFileAfreshWhenItWasMissing) {
    const help_test::ScratchFolder scratch;
    HelpWindow* window = open(scratch.file("help.chm"), "introduction.html");
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->helpFileIsOpen());
    help_test::writeBytes(scratch.file("help.chm"),
                          help_test::readBytes(help_test::compiledHelpFile()));
    window = open(scratch.file("help.chm"), "introduction.html");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->currentText().contains(courseTitle));
}

TEST_F(HelpViewer, ClosesEveryWindowItOpened) {
    const help_test::ScratchFolder scratch;
    help_test::writeBytes(scratch.file("other.chm"),
                          help_test::readBytes(help_test::compiledHelpFile()));
    QPointer<HelpWindow> first = openCourseHelp();
    QPointer<HelpWindow> second = open(scratch.file("other.chm"), "geometry.html");
    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(second.isNull());

    platform::closeAllHelpWindows();
    EXPECT_TRUE(first.isNull() || !first->isVisible());
    EXPECT_TRUE(second.isNull() || !second->isVisible());
    help_test::deleteClosedWindows();
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(second.isNull());
    EXPECT_EQ(platform::lastOpenedHelpWindow(), nullptr);
}

TEST_F(HelpViewer, ClosesItsWindowsWhenTheProgramEnds) {
    QPointer<HelpWindow> window = openCourseHelp();
    ASSERT_FALSE(window.isNull());
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QApplication::exec();
    EXPECT_TRUE(window.isNull() || !window->isVisible());
    EXPECT_EQ(platform::lastOpenedHelpWindow(), nullptr);
}

TEST_F(HelpViewer, ContentsAndIndexOpenTopics) {
    HelpWindow* window = openCourseHelp();
    ASSERT_NE(window, nullptr);
    ASSERT_FALSE(window->contentsPanel()->isHidden());
    QTreeWidget* tree = window->contentsPanel()->contentsTree();
    ASSERT_GT(tree->topLevelItemCount(), 0);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "Introduction");
    EXPECT_EQ(tree->currentItem(), tree->topLevelItem(0));

    QTreeWidgetItem* doorGame = contentsItem(window, "The door game");
    ASSERT_NE(doorGame, nullptr);
    tree->scrollToItem(doorGame);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                      tree->visualItemRect(doorGame).center());
    EXPECT_EQ(window->currentSource(), topic("door_game.html"));

    window->showTopic("geometry.html");
    EXPECT_EQ(tree->currentItem(), contentsItem(window, "Geometry"));

    window->contentsPanel()->setCurrentIndex(1);
    QTest::keyClicks(window->contentsPanel()->indexFilter(), "euler");
    QTest::keyClick(window->contentsPanel()->indexFilter(), Qt::Key_Return);
    EXPECT_EQ(window->currentSource(), topic("geometry.html#polyhedrons"));
}

TEST(HelpPlacement, PutsTheWindowBesideTheCallerOnItsScreen) {
    QWidget caller;
    caller.setGeometry(10, 20, 200, 150);
    caller.show();
    QWidget help;
    help.resize(300, 200);
    platform::placeBeside(&help, &caller);
    EXPECT_EQ(help.x(), caller.frameGeometry().right() + 1);
    EXPECT_EQ(help.y(), caller.frameGeometry().top());

    // Too close to the screen's right edge: the window moves left until its frame, as wide
    // as the caller's, ends at the screen's edge.
    const QRect screen = caller.screen()->availableGeometry();
    caller.move(screen.right() - 250, 20);
    platform::placeBeside(&help, &caller);
    const int frameWidth = caller.frameGeometry().width() - caller.width();
    EXPECT_EQ(help.x() + help.width() + frameWidth, screen.right() + 1);

    // Larger than the screen: shrunk to fit.
    help.resize(screen.width() + 100, screen.height() + 100);
    platform::placeBeside(&help, &caller);
    EXPECT_LE(help.width(), screen.width());
    EXPECT_LE(help.height(), screen.height());
}

TEST(HelpPlacement, KeepsTheWholeFrameOnTheScreenOfTheCaller) {
    const QRect screen(0, 0, 1280, 1024);
    const QMargins frame(4, 26, 4, 4); // title bar and borders of a window manager
    const QSize wanted(880, 600);
    const QRect lessonWindow(0, 0, 804, 590);

    // No room to the right of the lesson window: the help window overlaps its right part.
    QRect outer = platform::helpWindowFrame(screen, lessonWindow, frame, wanted);
    EXPECT_TRUE(screen.contains(outer))
        << outer.x() << "," << outer.y() << " " << outer.width() << "x" << outer.height();
    EXPECT_EQ(outer.size(), QSize(888, 630)) << "the inside keeps its size";
    EXPECT_EQ(outer.top(), 0);

    // Room to the right: beside the caller, top edges level.
    outer = platform::helpWindowFrame(screen, QRect(0, 100, 300, 200), frame, wanted);
    EXPECT_EQ(outer.topLeft(), QPoint(300, 100));

    // Beside a maximised window that fills the screen, and low on the screen.
    EXPECT_TRUE(screen.contains(platform::helpWindowFrame(screen, screen, frame, wanted)));
    EXPECT_TRUE(screen.contains(
        platform::helpWindowFrame(screen, QRect(200, 900, 300, 100), frame, wanted)));

    // A screen smaller than the window: shrunk until the frame fits exactly.
    const QRect small(0, 0, 800, 600);
    EXPECT_EQ(platform::helpWindowFrame(small, lessonWindow, frame, wanted), small);

    // A second screen to the right of the first: the window stays on the caller's screen.
    const QRect second(1280, 0, 1024, 768);
    outer = platform::helpWindowFrame(second, QRect(1300, 10, 600, 400), frame, wanted);
    EXPECT_TRUE(second.contains(outer));

    // Without a caller: centred on the screen.
    outer = platform::helpWindowFrame(screen, QRect(), frame, wanted);
    EXPECT_TRUE(screen.contains(outer));
    EXPECT_LE(std::abs((outer.left() - screen.left()) - (screen.right() - outer.right())), 1);
    EXPECT_LE(std::abs((outer.top() - screen.top()) - (screen.bottom() - outer.bottom())), 1);
}

TEST(HelpPlacement, AShownWindowIsMovedBackWhollyOntoItsScreen) {
    QWidget window;
    window.resize(300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.right() - 100, screen.bottom() - 50);
    platform::keepWhollyOnScreen(&window);
    EXPECT_TRUE(screen.contains(window.frameGeometry()));
    EXPECT_EQ(window.frameGeometry().right(), screen.right());
    EXPECT_EQ(window.frameGeometry().bottom(), screen.bottom());
    EXPECT_EQ(window.size(), QSize(300, 200));

    // Larger than the screen: made smaller until the frame fits.
    window.resize(screen.width() + 50, screen.height() + 50);
    platform::keepWhollyOnScreen(&window);
    EXPECT_TRUE(screen.contains(window.frameGeometry()));
}

TEST(HelpPlacement, TheHelpWindowIsFittedOnceWhenFirstPainted) {
    QWidget window;
    window.resize(300, 200);
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.right() - 100, 10);
    platform::fitWhenFirstShown(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    (void)QTest::qWaitFor([&] { return screen.contains(window.frameGeometry()); });
    EXPECT_TRUE(screen.contains(window.frameGeometry()));
    // Later the learner may put the window where he likes.
    window.move(screen.right() - 100, 10);
    window.update();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.x(), screen.right() - 100);
}
