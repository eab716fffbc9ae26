#include "menu/view/splash_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QImage welcomePicture(QSize size = {680, 500}) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(20, 52, 92));
    return picture;
}

void releaseOver(menu::SplashWindow& splash, Qt::MouseButton button, QPoint at) {
    // Through the window, so the event finds its way to whatever lies under the pointer.
    QTest::mousePress(splash.windowHandle(), button, {}, at);
    QTest::mouseRelease(splash.windowHandle(), button, {}, at);
}

class SplashTest : public ::testing::Test {
  protected:
    void showSplash(const QImage& picture) {
        splash = std::make_unique<menu::SplashWindow>(picture);
        splash->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(splash.get()));
    }
    std::unique_ptr<menu::SplashWindow> splash;
};

} // namespace

TEST_F(SplashTest, CentredWelcomeWindowWithThePictureAtItsNaturalSize) {
    showSplash(welcomePicture({600, 420}));
    EXPECT_EQ(splash->windowTitle(), "Welcome to Orvo the Tamlex");
    EXPECT_EQ(splash->size(), QSize(680, 500));
    EXPECT_EQ(splash->minimumSize(), splash->maximumSize());
    EXPECT_EQ(splash->pictureControl()->geometry(), QRect(0, 0, 600, 420));
    const Qt::WindowFlags flags = splash->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    const QRect screen = splash->screen()->geometry();
    EXPECT_EQ(splash->geometry().center(), screen.center());
}

TEST_F(SplashTest, AMissingPictureLeavesAnEmptyWindowThatStillEnds) {
    showSplash(QImage());
    EXPECT_TRUE(splash->pictureControl()->pixmap().isNull());
    releaseOver(*splash, Qt::LeftButton, {340, 250});
    EXPECT_TRUE(splash->isDismissed());
}

TEST_F(SplashTest, RightButtonReleasedOverThePictureEndsItAsTheLeftDoes) {
    showSplash(welcomePicture());
    releaseOver(*splash, Qt::RightButton, {300, 200});
    EXPECT_TRUE(splash->isDismissed());

    showSplash(welcomePicture());
    releaseOver(*splash, Qt::LeftButton, {10, 490});
    EXPECT_TRUE(splash->isDismissed());
}

TEST_F(SplashTest, KeysAndTheMiddleButtonDoNotEndIt) {
    showSplash(welcomePicture());
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_A})
        QTest::keyClick(splash->windowHandle(), key);
    releaseOver(*splash, Qt::MiddleButton, {300, 200});
    EXPECT_FALSE(splash->isDismissed());
    EXPECT_TRUE(splash->isVisible());
}

TEST_F(SplashTest, ACloseRequestEndsOnlyTheSplash) {
    showSplash(welcomePicture());
    EXPECT_FALSE(splash->close()); // the window is put away by the splash's own ending
    EXPECT_TRUE(splash->isDismissed());
}

TEST_F(SplashTest, ShowUntilDismissedWaitsThroughKeysForTheClick) {
    splash = std::make_unique<menu::SplashWindow>(welcomePicture());
    bool stillUpAfterKeys = false;
    QTimer::singleShot(0, [&] {
        QTest::keyClick(splash->windowHandle(), Qt::Key_Return);
        stillUpAfterKeys = splash->isVisible() && !splash->isDismissed();
        releaseOver(*splash, Qt::RightButton, {340, 250});
    });
    splash->showUntilDismissed();
    EXPECT_TRUE(stillUpAfterKeys);
    EXPECT_TRUE(splash->isDismissed());
    EXPECT_FALSE(splash->isVisible());
}
