#include "platform/pictures/picture_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The rendered shared pictures, exactly as the lesson programs find them.
QImage stagedPicture(const std::string& name) {
    return platform::loadPictureFile(std::string(STAGED_PICTURES_DIR) + "/" + name);
}

void expectCornersOf(const QImage& picture, QRgb colour) {
    const int right = picture.width() - 1;
    const int bottom = picture.height() - 1;
    EXPECT_EQ(picture.pixel(0, 0), colour);
    EXPECT_EQ(picture.pixel(right, 0), colour);
    EXPECT_EQ(picture.pixel(0, bottom), colour);
    EXPECT_EQ(picture.pixel(right, bottom), colour);
}

bool isColumnOf(const QImage& picture, int x, QRgb colour) {
    for (int y = 0; y < picture.height(); ++y)
        if (picture.pixel(x, y) != colour)
            return false;
    return true;
}

bool isRowOf(const QImage& picture, int y, QRgb colour) {
    for (int x = 0; x < picture.width(); ++x)
        if (picture.pixel(x, y) != colour)
            return false;
    return true;
}

// The tutor stands at (680, 390) in the page area and must blend into its blue on every
// side but the bottom, where the visible page ends and may cut him off.
TEST(CommonPictures, TutorFitsThePageAndBlendsIn) {
    const QImage tutor = stagedPicture("prof.bmp");
    ASSERT_FALSE(tutor.isNull());
    EXPECT_LE(680 + tutor.width(), 796);
    EXPECT_GE(tutor.height(), 120) << "he would float above the bottom of the page";
    const QRgb pageBlue = qRgb(34, 85, 136);
    EXPECT_TRUE(isRowOf(tutor, 0, pageBlue));
    EXPECT_TRUE(isColumnOf(tutor, 0, pageBlue));
    EXPECT_TRUE(isColumnOf(tutor, tutor.width() - 1, pageBlue));
}

// The faces sit inside the 32 x 30 Previous and Next buttons, on the button grey.
TEST(CommonPictures, ButtonFacesFitTheirButtons) {
    for (const std::string name : {"backbutt.bmp", "forbutt.bmp"}) {
        SCOPED_TRACE(name);
        const QImage face = stagedPicture(name);
        ASSERT_FALSE(face.isNull());
        EXPECT_LE(face.width(), 28);
        EXPECT_LE(face.height(), 26);
        expectCornersOf(face, qRgb(212, 208, 200));
    }
}

// Above and below the shaft only the arrowhead is drawn; it shows where the arrow points.
double arrowheadCentreX(const QImage& face) {
    const QRgb buttonGrey = qRgb(212, 208, 200);
    double sum = 0;
    int count = 0;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < face.width(); ++x)
            if (face.pixel(x, y) != buttonGrey) {
                sum += x;
                ++count;
            }
    return count > 0 ? sum / count : -1;
}

TEST(CommonPictures, PreviousPointsLeftAndNextRight) {
    const QImage back = stagedPicture("backbutt.bmp");
    const QImage forward = stagedPicture("forbutt.bmp");
    ASSERT_FALSE(back.isNull());
    ASSERT_FALSE(forward.isNull());
    const double middle = back.width() / 2.0;
    EXPECT_GT(arrowheadCentreX(back), 0);
    EXPECT_LT(arrowheadCentreX(back), middle);
    EXPECT_GT(arrowheadCentreX(forward), middle);
}

} // namespace
