#include "picture_test_files.h"

#include "platform/pictures/jpeg_encoder.h"
#include "platform/pictures/picture_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace picture_test;

namespace {

class JpegEncoderTest : public ::testing::Test {
  protected:
    QString pathOf(const QString& name) const { return folder.filePath(name); }
    QTemporaryDir folder;
};

TEST_F(JpegEncoderTest, WritesAJpegFile) {
    const QString path = pathOf(QStringLiteral("out.jpg"));
    ASSERT_TRUE(platform::writeJpegFile(testPattern(20, 10), toStd(path)));
    const QByteArray bytes = readBytes(path);
    EXPECT_TRUE(bytes.startsWith("\xFF\xD8"));
    EXPECT_TRUE(bytes.endsWith("\xFF\xD9"));
}

TEST_F(JpegEncoderTest, HigherQualityKeepsMoreDetail) {
    const QImage drawn = testPattern(64, 64);
    const QString rough = pathOf(QStringLiteral("rough.jpg"));
    const QString fine = pathOf(QStringLiteral("fine.jpg"));
    ASSERT_TRUE(platform::writeJpegFile(drawn, toStd(rough), 20));
    ASSERT_TRUE(platform::writeJpegFile(drawn, toStd(fine), 95));
    EXPECT_LT(readBytes(rough).size(), readBytes(fine).size());
    const double fineError = meanChannelDifference(platform::loadPictureFile(toStd(fine)), drawn);
    const double roughError = meanChannelDifference(platform::loadPictureFile(toStd(rough)), drawn);
    EXPECT_GE(fineError, 0);
    EXPECT_LT(fineError, roughError);
}

TEST_F(JpegEncoderTest, TransparentPicturesAreWrittenWithoutAlpha) {
    QImage drawn(8, 8, QImage::Format_ARGB32);
    drawn.fill(qRgba(0, 0, 255, 255));
    const QString path = pathOf(QStringLiteral("alpha.jpg"));
    ASSERT_TRUE(platform::writeJpegFile(drawn, toStd(path)));
    EXPECT_NEAR(qBlue(platform::loadPictureFile(toStd(path)).pixel(4, 4)), 255, 6);
}

TEST_F(JpegEncoderTest, FailsWithoutLeavingAFile) {
    const QString nullPath = pathOf(QStringLiteral("null.jpg"));
    EXPECT_FALSE(platform::writeJpegFile(QImage(), toStd(nullPath)));
    EXPECT_FALSE(QFile::exists(nullPath));

    const QString noFolder = pathOf(QStringLiteral("no/such/folder/out.jpg"));
    EXPECT_FALSE(platform::writeJpegFile(testPattern(8, 8), toStd(noFolder)));
}

} // namespace
