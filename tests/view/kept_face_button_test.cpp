#include "engine/view/kept_face_button.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The largest difference in any colour channel between two pictures of the same size.
int largestDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return 256;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            largest = std::max({largest, std::abs(p.red() - q.red()),
                                std::abs(p.green() - q.green()), std::abs(p.blue() - q.blue())});
        }
    return largest;
}

class KeptFaceButtonTest : public ::testing::Test {
  protected:
    QWidget panel;
    void SetUp() override {
        panel.resize(300, 100);
        panel.show();
    }
    template <typename Button> Button* button(const char* caption, int x) {
        auto* b = new Button(QString::fromLatin1(caption), &panel);
        b->setGeometry(x, 10, 75, 30);
        QFont font = b->font();
        font.setPixelSize(19);
        b->setFont(font);
        b->show();
        return b;
    }
    static QImage shot(QWidget* widget) { return widget->grab().toImage(); }
};

TEST_F(KeptFaceButtonTest, RestingFaceLooksLikeThePlainPushButton) {
    auto* plain = button<QPushButton>("Three", 10);
    auto* kept = button<engine::KeptFaceButton>("Three", 100);
    auto* again = button<engine::KeptFaceButton>("Three", 190);
    EXPECT_TRUE(kept->showsKeptFace());
    EXPECT_LE(largestDifference(shot(plain), shot(kept)), 2);
    EXPECT_LE(largestDifference(shot(kept), shot(again)), 0) << "the second one reuses the face";
}

TEST_F(KeptFaceButtonTest, EachLookHasItsOwnFace) {
    auto* one = button<engine::KeptFaceButton>("One", 10);
    auto* two = button<engine::KeptFaceButton>("Two", 100);
    EXPECT_GT(largestDifference(shot(one), shot(two)), 50);

    auto* plainDisabled = button<QPushButton>("One", 190);
    plainDisabled->setEnabled(false);
    two->setText(QStringLiteral("One"));
    two->setEnabled(false);
    EXPECT_LE(largestDifference(shot(plainDisabled), shot(two)), 2);
    EXPECT_GT(largestDifference(shot(one), shot(two)), 20) << "a disabled button looks greyed";
}

TEST_F(KeptFaceButtonTest, TouchedButtonIsDrawnByTheStyleFromThenOn) {
    auto* kept = button<engine::KeptFaceButton>("Four", 10);
    auto* plain = button<QPushButton>("Four", 100);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(kept, &enter);
    EXPECT_FALSE(kept->showsKeptFace());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(kept, &leave);
    EXPECT_FALSE(kept->showsKeptFace()) << "hover effects and their animations stay the style's";

    kept->setDown(true);
    plain->setDown(true);
    EXPECT_LE(largestDifference(shot(plain), shot(kept)), 2);
}

TEST_F(KeptFaceButtonTest, ClickStillReachesTheButton) {
    auto* kept = button<engine::KeptFaceButton>("Five", 10);
    int clicks = 0;
    QObject::connect(kept, &QPushButton::clicked, [&clicks] { ++clicks; });
    QTest::mouseClick(kept, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

} // namespace
