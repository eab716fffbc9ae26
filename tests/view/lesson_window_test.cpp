#include "engine/core/window_layout.h"
#include "engine/view/balloon_tooltip.h"
#include "engine/view/lesson_window.h"
#include "engine/view/qt_picture_slots.h"
#include "picture_folder.h"

#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

const engine::Catalogue& lessonCatalogue();

using engine::LessonCommand;
using engine::LessonWindow;

namespace {

QColor rgb(int r, int g, int b) {
    return QColor(r, g, b);
}

class LessonWindowTest : public ::testing::Test {
  protected:
    PictureFolder folder;
    engine::QtPictureSlots pictures{folder.path()};
    std::unique_ptr<LessonWindow> window;
    std::vector<LessonCommand> commands;
    std::vector<std::string> demonstrations;

    void SetUp() override {
        pictures.load(0, "prof.bmp");
        pictures.load(2, "backbutt.bmp");
        pictures.load(3, "forbutt.bmp");
        window = std::make_unique<LessonWindow>(lessonCatalogue(), pictures);
        window->onCommand = [this](LessonCommand c) { commands.push_back(c); };
        window->demonstrationRunner = [this](const std::string& p) { demonstrations.push_back(p); };
        window->show();
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window.get());
        window->engine().start();
    }

    QColor pixel(int x, int y) const { return window->backgroundPicture().pixelColor(x, y); }
    void click(int control) {
        auto* button = qobject_cast<QPushButton*>(window->control(control));
        ASSERT_NE(button, nullptr) << "control " << control;
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
    }
    // White text pixels in a strip of the background picture.
    int whitePixels(int x0, int y0, int x1, int y1) const {
        int count = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                count += pixel(x, y).lightness() > 200 ? 1 : 0;
        return count;
    }
};

} // namespace

TEST_F(LessonWindowTest, WindowHasItsTitleFixedSizeAndHelpMenu) {
    EXPECT_EQ(window->windowTitle(), "Orvo the Tamlex Vuvudu Rodezav Iruv");
    EXPECT_EQ(window->size(), QSize(796, 560));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "not resizable";
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window->pos(), QPoint(0, 0));
    const auto menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->text(), "Help");
    const auto items = menus[0]->menu()->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), "Help...    F1");
    EXPECT_EQ(items[1]->text(), "About...");
    items[1]->trigger();
    items[0]->trigger();
    EXPECT_EQ(commands, (std::vector{LessonCommand::About, LessonCommand::Help}));
}

TEST_F(LessonWindowTest, F1OnTheStartScreenAsksForHelpLikeTheMenu) {
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(commands, std::vector{LessonCommand::Help});
}

TEST_F(LessonWindowTest, ClientAreaLiesBelowTheMenuBarAndCutsThePictureOff) {
    const int menuHeight = window->menuBar()->height();
    EXPECT_GT(menuHeight, 0);
    EXPECT_EQ(window->clientArea()->geometry(), QRect(0, menuHeight, 796, 560 - menuHeight));
    EXPECT_EQ(window->backgroundPicture().size(), QSize(796, 560));
    EXPECT_EQ(window->control(61)->size(), QSize(796, 560));
}

TEST_F(LessonWindowTest, StartScreenShowsPanelsBubbleAndTutor) {
    EXPECT_EQ(pixel(50, 300), rgb(212, 208, 200));
    EXPECT_EQ(pixel(400, 100), rgb(34, 85, 136));
    EXPECT_EQ(pixel(795, 559), rgb(34, 85, 136));
    EXPECT_EQ(pixel(282, 407), rgb(255, 255, 225));
    EXPECT_EQ(pixel(700, 442), PictureFolder::tutorColour) << "the tutor stands over the bubble";
    EXPECT_FALSE(window->control(12)->isEnabled());
    EXPECT_FALSE(window->control(13)->isEnabled());
    EXPECT_FALSE(window->control(6)->isVisible());
    EXPECT_TRUE(window->control(3)->isVisible());
    EXPECT_FALSE(window->control(4)->isVisible());
}

TEST_F(LessonWindowTest, DisabledPagingButtonsDoNothingBeforeALessonIsChosen) {
    const int presents = window->presentCount();
    QTest::mouseClick(window->control(13), Qt::LeftButton);
    QTest::mouseClick(window->control(12), Qt::LeftButton);
    EXPECT_EQ(window->presentCount(), presents);
    EXPECT_EQ(window->engine().state().currentPage, 0);
}

TEST_F(LessonWindowTest, LessonButtonShowsItsFirstPageWithPictureAndText) {
    click(1);
    EXPECT_EQ(window->engine().state().currentPage, 1);
    EXPECT_EQ(pixel(150, 100), PictureFolder::squareColour);
    EXPECT_GT(whitePixels(110, 0, 300, 20), 30) << "line 1 is drawn in white at y = 0";
    EXPECT_EQ(whitePixels(110, 26, 796, 40), 0) << "line 2 is empty";
    EXPECT_TRUE(window->control(12)->isEnabled());
    EXPECT_TRUE(window->control(6)->isVisible());
    EXPECT_FALSE(window->control(7)->isVisible());
}

TEST_F(LessonWindowTest, StretchedPicturesFillTheirGivenSize) {
    click(3);
    EXPECT_EQ(pixel(210, 210), PictureFolder::wideColour);
    EXPECT_EQ(pixel(495, 295), PictureFolder::wideColour);
    EXPECT_EQ(pixel(505, 250), rgb(34, 85, 136));
    EXPECT_LE(pictures.heldPageSlots(), 6);
}

TEST_F(LessonWindowTest, MissingPictureLeavesItsPlaceEmpty) {
    QFile::remove(QString::fromStdString(folder.path() + "/square.bmp"));
    click(1);
    EXPECT_EQ(pixel(150, 100), rgb(34, 85, 136));
    EXPECT_GT(whitePixels(110, 0, 300, 20), 30);
}

TEST_F(LessonWindowTest, AnswerButtonGivesTheVerdictOnTheNextPage) {
    click(1);
    click(13);
    ASSERT_NE(window->control(15), nullptr);
    EXPECT_EQ(window->control(15)->geometry(), QRect(152, 42, 30, 20));
    EXPECT_EQ(window->control(18), nullptr);
    click(15);
    EXPECT_EQ(window->engine().state().currentPage, 3);
    EXPECT_GT(whitePixels(110, 0, 200, 20), 30) << "\"Correct\" stands at the top left";
    click(12);
    click(13);
    EXPECT_EQ(whitePixels(110, 0, 200, 20), 0) << "Next without answering shows no verdict";
}

TEST_F(LessonWindowTest, FillInFieldsAreCheckedAndEmptyAgainOnReturn) {
    click(2);
    click(13);
    auto* a = qobject_cast<QLineEdit*>(window->control(20));
    auto* b = qobject_cast<QLineEdit*>(window->control(21));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->geometry(), QRect(180, 330, 30, 20));
    QTest::keyClicks(a, "93");
    QTest::keyClicks(b, "5.4");
    click(25);
    EXPECT_EQ(window->engine().state().currentPage, 7);
    EXPECT_EQ(demonstrations, std::vector<std::string>{"recorder.exe"});
    click(12);
    auto* again = qobject_cast<QLineEdit*>(window->control(20));
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->text().isEmpty());
}

TEST_F(LessonWindowTest, NoControlKeepsTheFocusAfterAPageChange) {
    click(1);
    QWidget* focus = QApplication::focusWidget();
    EXPECT_EQ(qobject_cast<QPushButton*>(focus), nullptr);
}

TEST_F(LessonWindowTest, BalloonTooltipsAreBlackOnGreenAndAtMost280Wide) {
    engine::BalloonTooltip* tip = window->tooltipOf(2);
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(
        tip->text(),
        "Lesson 2 - Triangles\n\nTriangles\nThe angles of a triangle add up to 180 degrees...");
    QWidget* button = window->control(2);
    QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(button, &event);
    QLabel* balloon = tip->tipWindow();
    ASSERT_NE(balloon, nullptr);
    EXPECT_TRUE(balloon->isVisible());
    EXPECT_LE(balloon->width(), 280);
    const QImage shot = balloon->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() - 4), rgb(214, 245, 88));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_FALSE(balloon->isVisible());
}

TEST_F(LessonWindowTest, DisabledPreviousAndNextStillHaveTheirTooltips) {
    ASSERT_NE(window->tooltipOf(12), nullptr);
    EXPECT_EQ(window->tooltipOf(12)->text(), "Previous");
    EXPECT_EQ(window->tooltipOf(13)->text(), "Next");
    click(1);
    EXPECT_EQ(window->tooltipOf(13)->text(), "Next") << "re-created with the controls";
}

TEST_F(LessonWindowTest, CloseBoxCallsTheCloseHook) {
    bool closed = false;
    window->onClose = [&closed] { closed = true; };
    window->close();
    EXPECT_TRUE(closed);
}

TEST_F(LessonWindowTest, ControlsOfEarlierPagesAreReleased) {
    click(1);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const auto perPage = window->clientArea()->findChildren<QObject*>().size();
    for (int round = 0; round < 30; ++round) {
        click(13);
        click(12);
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_LE(window->clientArea()->findChildren<QObject*>().size(), perPage + 8);
}

TEST_F(LessonWindowTest, EveryControlAndTooltipOfThePreviousPageIsGone) {
    click(1);
    std::vector<QPointer<QWidget>> earlier;
    for (int number : {61, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13})
        earlier.emplace_back(window->control(number));
    const QPointer<engine::BalloonTooltip> earlierTip = window->tooltipOf(12);
    ASSERT_FALSE(earlierTip.isNull());
    click(13);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const auto& control : earlier)
        EXPECT_TRUE(control.isNull());
    EXPECT_TRUE(earlierTip.isNull());
    for (int number : {61, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13})
        EXPECT_NE(window->control(number), nullptr) << "control " << number;
    EXPECT_TRUE(window->control(1)->isVisible());
    EXPECT_TRUE(window->control(13)->isEnabled());
    EXPECT_NE(window->tooltipOf(12), nullptr);
    EXPECT_TRUE(window->control(61)->isVisible());
    EXPECT_EQ(window->control(61)->geometry(), QRect(0, 0, 796, 560));
}

TEST_F(LessonWindowTest, PageDownAndUpAndAltArrowsTurnThePagesWithoutAFocusedControl) {
    const auto page = [this] { return window->engine().state().currentPage; };
    QTest::keyClick(window.get(), Qt::Key_PageDown);
    QTest::keyClick(window.get(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(page(), 0) << "on the start screen the keys do no more than the buttons";
    click(1);
    ASSERT_EQ(page(), 1);
    ASSERT_TRUE(window->clientArea()->hasFocus()) << "no control holds the focus";
    QTest::keyClick(window.get(), Qt::Key_PageDown);
    EXPECT_EQ(page(), 2);
    QTest::keyClick(window.get(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(page(), 3);
    QTest::keyClick(window.get(), Qt::Key_PageUp);
    EXPECT_EQ(page(), 2);
    QTest::keyClick(window.get(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(page(), 1);
    // Plain arrows and other keys leave the Page alone.
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Return, Qt::Key_Space})
        QTest::keyClick(window.get(), key);
    EXPECT_EQ(page(), 1);
    EXPECT_TRUE(commands.empty());
}

TEST_F(LessonWindowTest, EnterInAFillInFieldPressesDone) {
    click(2);
    click(13);
    ASSERT_EQ(window->engine().state().currentPage, 6);
    auto* a = qobject_cast<QLineEdit*>(window->control(20));
    auto* b = qobject_cast<QLineEdit*>(window->control(21));
    ASSERT_TRUE(a && b);
    QTest::keyClicks(a, "93");
    QTest::keyClicks(b, "5.4");
    // Page Down in a field is still Next; Enter is Done, with the verdict on the next Page.
    QTest::keyClick(b, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(window->engine().state().currentPage, 7);
    EXPECT_EQ(demonstrations.size(), 1u);
    EXPECT_GT(whitePixels(110, 0, 200, 20), 30) << "\"Correct\" stands at the top left";
    click(12);
    auto* field = qobject_cast<QLineEdit*>(window->control(20));
    ASSERT_TRUE(field);
    QTest::keyClick(field, Qt::Key_Enter); // the keypad's Enter, with the fields empty
    QApplication::processEvents();
    EXPECT_EQ(window->engine().state().currentPage, 7);
    EXPECT_GT(whitePixels(110, 0, 200, 20), 30) << "\"Wrong\" stands at the top left";
    click(12);
    field = qobject_cast<QLineEdit*>(window->control(20));
    QTest::keyClick(field, Qt::Key_PageDown);
    EXPECT_EQ(window->engine().state().currentPage, 7);
    EXPECT_EQ(whitePixels(110, 0, 200, 20), 0) << "Next gives no verdict";
}

TEST_F(LessonWindowTest, TheKeyboardHelpTopicListsEveryKeyOfTheLessonWindow) {
    QFile topic(QStringLiteral(HELP_SOURCES "/keyboard.html"));
    ASSERT_TRUE(topic.open(QIODevice::ReadOnly));
    const QString help = QString::fromUtf8(topic.readAll());
    // The help spells the keys as they are printed on the keyboard.
    const std::map<QString, QString> printed = {{"PgDown", "Page Down"}, {"PgUp", "Page Up"}};
    QStringList keys;
    for (const QShortcut* shortcut : window->findChildren<QShortcut*>()) {
        QString key = shortcut->key().toString(QKeySequence::PortableText);
        if (const auto it = printed.find(key); it != printed.end())
            key = it->second;
        keys.append(key);
    }
    keys.append(QStringLiteral("Enter")); // in a fill-in field: Done
    EXPECT_GE(keys.size(), 8);
    for (const QString& key : keys)
        EXPECT_TRUE(help.contains("<kbd>" + key + "</kbd>")) << key.toStdString();
}

TEST(PictureSlotsTest, ABitmapCutInsideItsPixelDataLeavesItsSlotEmpty) {
    QTemporaryDir folder;
    QImage drawn(64, 48, QImage::Format_RGB32);
    drawn.fill(QColor(40, 200, 40));
    const QString whole = folder.filePath("whole.bmp");
    ASSERT_TRUE(drawn.save(whole, "BMP"));
    QFile in(whole);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();
    const int headerAndHalf = 54 + (static_cast<int>(bytes.size()) - 54) / 2;
    QFile cut(folder.filePath("cut.bmp"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(headerAndHalf));
    cut.close();

    engine::QtPictureSlots pictures(folder.path().toStdString());
    pictures.load(77, "whole.bmp");
    ASSERT_FALSE(pictures.image(77).isNull()) << "the whole bitmap is read";
    pictures.load(77, "cut.bmp");
    EXPECT_TRUE(pictures.image(77).isNull()) << "a cut bitmap leaves its slot empty";
    EXPECT_EQ(pictures.heldPageSlots(), 0);
}
