#include "menu_fixture.h"

#include "platform/qt/font_by_face.h"
#include "platform/qt/picture_button.h"

#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <vector>

namespace {

using MainWindowTest = MenuFixture;

QRect rectOf(const menu::Rect& r) {
    return {r.x, r.y, r.width, r.height};
}

QMenu* menuTitled(QMenuBar* bar, const QString& title) {
    for (QAction* action : bar->actions())
        if (action->text() == title)
            return action->menu();
    return nullptr;
}

QAction* actionWithCommand(QMenu* menu, int command) {
    for (QAction* action : menu->actions()) {
        if (action->menu()) {
            if (QAction* inner = actionWithCommand(action->menu(), command))
                return inner;
        } else if (action->data().toInt() == command) {
            return action;
        }
    }
    return nullptr;
}

} // namespace

TEST_F(MainWindowTest, MaximisedWithTheControlsPlacedFromItsSize) {
    menu::MainWindow& window = mainWindow();
    EXPECT_EQ(window.windowTitle(), "Orvo the Tamlex Main Menu");
    EXPECT_TRUE(window.isMaximized());
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);

    // H counts the menu bar: the whole inner height of the window.
    const int w = window.width();
    const int h = window.height();
    ASSERT_GT(window.menuBar()->height(), 0);
    EXPECT_EQ(window.centralWidget()->y(), window.menuBar()->height());
    EXPECT_EQ(window.backgroundPanel()->geometry(), QRect(0, 0, w, h));
    EXPECT_EQ(window.sectionList()->geometry(), QRect(w / 2 - 250, h / 2 - 200, 440, 140));
    EXPECT_EQ(window.studyButton()->geometry(), QRect(w / 2 - 250, h / 2 - 50, 90, 48));
    EXPECT_EQ(window.quitButton()->geometry(), QRect(w / 2 - 100, h / 2 - 50, 90, 48));
    EXPECT_EQ(window.backgroundPanel()->palette().color(QPalette::Window), QColor(254, 254, 177));
    EXPECT_TRUE(window.backgroundPanel()->autoFillBackground());
}

TEST_F(MainWindowTest, ControlsStayWhereTheyWereWhenTheWindowIsRestored) {
    const menu::MainLayout maximised = mainWindow().layout();
    mainWindow().showNormal();
    settle();
    EXPECT_EQ(mainWindow().size(), QSize(795, 600));
    EXPECT_EQ(mainWindow().sectionList()->geometry(), rectOf(maximised.sectionList));
    EXPECT_EQ(mainWindow().studyButton()->geometry(), rectOf(maximised.studyButton));
    EXPECT_EQ(mainWindow().quitButton()->geometry(), rectOf(maximised.quitButton));
    mainWindow().resize(900, 700);
    settle();
    EXPECT_EQ(mainWindow().sectionList()->geometry(), rectOf(maximised.sectionList));
}

TEST_F(MainWindowTest, SectionListHoldsTheFiveSectionsInBoldArialWithNoneSelected) {
    QListWidget* list = mainWindow().sectionList();
    ASSERT_EQ(list->count(), 5);
    const QStringList expected{
        "Subtest I: Algebra; Number Theory", "Subtest II: Geometry; Probability and Statistics",
        "Subtest III: Calculus; History of Mathematics", "Bonus Material", "My Study Diary"};
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(list->item(row)->text(), expected[row]);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(mainWindow().selectedRow(), menu::noRowSelected);
    EXPECT_EQ(list->font().family(), "Arial");
    EXPECT_TRUE(list->font().bold());
    EXPECT_EQ(list->font().pixelSize(),
              platform::pointsToPixels(12, mainWindow().screen()->logicalDotsPerInchY()));
    EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
}

TEST_F(MainWindowTest, ButtonsShowTheirPictures) {
    EXPECT_EQ(mainWindow().studyButton()->picture(), pictures.study);
    EXPECT_EQ(mainWindow().quitButton()->picture(), pictures.quit);
    // The picture sits centred on the face.
    const QImage face = mainWindow().studyButton()->grab().toImage();
    EXPECT_EQ(QColor(face.pixel(45, 24)), QColor(200, 30, 30));
    EXPECT_NE(QColor(face.pixel(5, 5)), QColor(200, 30, 30));
}

TEST_F(MainWindowTest, IndexMenuHasTheThreeSubmenusWithEveryTopicAndItsCommand) {
    QMenuBar* bar = mainWindow().menuBar();
    ASSERT_EQ(bar->actions().size(), 2);
    EXPECT_EQ(bar->actions()[0]->text(), "Index");
    EXPECT_EQ(bar->actions()[1]->text(), "Help");
    QMenu* index = menuTitled(bar, "Index");
    ASSERT_TRUE(index);
    ASSERT_EQ(index->actions().size(), 3);
    for (std::size_t g = 0; g < 3; ++g) {
        const menu::TopicGroup& group = menu::topicGroups()[g];
        QAction* title = index->actions()[int(g)];
        EXPECT_EQ(title->text().toStdString(), group.title);
        ASSERT_TRUE(title->menu());
        const QList<QAction*> items = title->menu()->actions();
        ASSERT_EQ(items.size(), qsizetype(group.topics.size()));
        for (std::size_t t = 0; t < group.topics.size(); ++t) {
            EXPECT_EQ(items[int(t)]->text().toStdString(), group.topics[t].text);
            EXPECT_EQ(items[int(t)]->data().toInt(), group.topics[t].command);
            EXPECT_FALSE(items[int(t)]->isSeparator());
            EXPECT_TRUE(items[int(t)]->shortcut().isEmpty());
        }
    }
}

TEST_F(MainWindowTest, HelpMenuOffersHelpAndAbout) {
    QMenu* help = menuTitled(mainWindow().menuBar(), "Help");
    ASSERT_TRUE(help);
    ASSERT_EQ(help->actions().size(), 2);
    EXPECT_EQ(help->actions()[0]->text(), "Help...    F1");
    EXPECT_EQ(help->actions()[0]->data().toInt(), 4);
    EXPECT_EQ(help->actions()[1]->text(), "About...");
    EXPECT_EQ(help->actions()[1]->data().toInt(), 5);
    help->actions()[0]->trigger();
    EXPECT_EQ(helpCount, 1);
    help->actions()[1]->trigger();
    ASSERT_EQ(aboutOwners.size(), 1u);
    EXPECT_EQ(aboutOwners[0], &mainWindow());
    EXPECT_TRUE(starts.empty());
}

TEST_F(MainWindowTest, F1OpensTheHelp) {
    mainWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow()));
    QTest::keyClick(&mainWindow(), Qt::Key_F1);
    EXPECT_EQ(helpCount, 1);
}

TEST_F(MainWindowTest, ATopicStartsItsProgramAndWaitsWithTheNormalPointer) {
    QMenu* index = menuTitled(mainWindow().menuBar(), "Index");
    actionWithCommand(index, 42)->trigger();
    actionWithCommand(index, 20)->trigger();
    actionWithCommand(index, 41)->trigger();
    ASSERT_EQ(starts.size(), 3u);
    EXPECT_EQ(starts[0].program, "shapes.exe");
    EXPECT_EQ(starts[1].program, "arrows.exe");
    EXPECT_EQ(starts[2].program, "chronicle.exe");
    for (const RecordedStart& start : starts) {
        EXPECT_EQ(start.mode, menu::StartMode::Wait);
        EXPECT_FALSE(start.hourglass);
    }
}

TEST_F(MainWindowTest, StudyButtonWithNoRowSelectedDoesNothing) {
    pressStudy();
    pressStudy();
    EXPECT_TRUE(starts.empty());
    EXPECT_EQ(program->subtestWindow(), nullptr);
    EXPECT_TRUE(mainWindow().isEnabled());
}

TEST_F(MainWindowTest, TwoPressesOnTheStudyDiaryStartTwoDetachedPrograms) {
    selectRow(4);
    EXPECT_EQ(mainWindow().selectedRow(), 4);
    pressStudy();
    pressStudy();
    ASSERT_EQ(starts.size(), 2u);
    for (const RecordedStart& start : starts) {
        EXPECT_EQ(start.program, "journal.exe");
        EXPECT_EQ(start.mode, menu::StartMode::Detached);
        EXPECT_FALSE(start.hourglass);
    }
    EXPECT_TRUE(mainWindow().isEnabled());
}

TEST_F(MainWindowTest, BonusMaterialStartsDetachedAndTheMainWindowStaysEnabled) {
    selectRow(3);
    pressStudy();
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].program, "extras.exe");
    EXPECT_EQ(starts[0].mode, menu::StartMode::Detached);
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_EQ(program->subtestWindow(), nullptr);
}

TEST_F(MainWindowTest, ChangingOrDoubleClickingTheSelectionStartsNothing) {
    selectRow(1);
    selectRow(4);
    QListWidget* list = mainWindow().sectionList();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualItemRect(list->item(3)).center());
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_TRUE(starts.empty());
    EXPECT_EQ(program->subtestWindow(), nullptr);
    EXPECT_EQ(mainWindow().selectedRow(), 2);
}

TEST_F(MainWindowTest, SpaceOnTheFocusedStudyButtonPressesIt) {
    selectRow(3);
    mainWindow().studyButton()->setFocus();
    QTest::keyClick(mainWindow().studyButton(), Qt::Key_Space);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].program, "extras.exe");
}
