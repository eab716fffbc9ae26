// The course's style: the menu bar gets its overflow chevron drawn in code, so a window with
// a menu bar reads no image file and loads no image-format plugin before its first frame; the
// rest of the style is the base style's own.
#include "platform/qt/course_style.h"
#include "support/loaded_plugins.h"

#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyle>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Pixels of the icon's 16-pixel picture that are clearly drawn.
int inkedPixels(const QIcon& icon) {
    const QImage picture = icon.pixmap(16, 16).toImage();
    int inked = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            inked += qAlpha(picture.pixel(x, y)) > 128;
    return inked;
}

} // namespace

TEST(CourseStyle, AWindowWithAMenuBarLoadsNoImageFormatPlugin) {
    if (test_support::imageFormatPluginLoaded())
        GTEST_SKIP() << "an earlier test in this process loaded them already";
    // As the programs do: the application's style, set before any window is made.
    platform::useCourseStyle(*qApp, "Fusion");
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.resize(400, 300);
    window.show();
    QApplication::processEvents();
    EXPECT_FALSE(test_support::imageFormatPluginLoaded());
}

TEST(CourseStyle, DrawsBothOverflowChevronsAndLeavesOtherIconsToTheBaseStyle) {
    std::unique_ptr<QStyle> style(platform::makeCourseStyle("Fusion"));
    const QIcon across = style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QIcon down = style->standardIcon(QStyle::SP_ToolBarVerticalExtensionButton);
    EXPECT_GT(inkedPixels(across), 10);
    EXPECT_GT(inkedPixels(down), 10);
    EXPECT_NE(across.pixmap(16, 16).toImage(), down.pixmap(16, 16).toImage());

    auto* proxy = qobject_cast<QProxyStyle*>(style.get());
    ASSERT_NE(proxy, nullptr);
    EXPECT_EQ(proxy->baseStyle()->name(), QStringLiteral("fusion"));
    EXPECT_FALSE(style->standardIcon(QStyle::SP_MessageBoxWarning).isNull());
}
