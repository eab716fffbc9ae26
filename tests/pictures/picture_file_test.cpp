#include "picture_test_files.h"

#include "platform/pictures/picture_file.h"
#include "platform/pictures/picture_limits.h"
#include "support/loaded_plugins.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

using namespace picture_test;

namespace {

class PictureFileTest : public ::testing::Test {
  protected:
    QString pathOf(const QString& name) const { return folder.filePath(name); }

    QImage load(const QString& name) const {
        return platform::loadPictureFile(toStd(pathOf(name)));
    }

    QByteArray jpegOf(const QImage& image) const {
        return jpegBytesOf(image, pathOf(QStringLiteral("scratch.jpg")));
    }

    QByteArray bitmapOf(const QImage& image) const {
        const QString scratch = pathOf(QStringLiteral("scratch.bmp"));
        image.save(scratch, "BMP");
        return readBytes(scratch);
    }

    QTemporaryDir folder;
};

// The programs name their pictures .jpg and .bmp freely; only the bytes decide.
TEST_F(PictureFileTest, ReadsPicturesByContentWhateverTheirName) {
    QImage drawn(30, 20, QImage::Format_RGB32);
    drawn.fill(qRgb(10, 200, 30));
    drawn.setPixel(29, 19, qRgb(250, 0, 0));

    writeBytes(pathOf(QStringLiteral("bitmap.jpg")), bitmapOf(drawn));
    const QImage bitmap = load(QStringLiteral("bitmap.jpg"));
    ASSERT_EQ(bitmap.size(), QSize(30, 20));
    EXPECT_EQ(bitmap.pixel(0, 0), qRgb(10, 200, 30));
    EXPECT_EQ(bitmap.pixel(29, 19), qRgb(250, 0, 0));

    writeBytes(pathOf(QStringLiteral("photo.bmp")), jpegOf(drawn));
    const QImage photo = load(QStringLiteral("photo.bmp"));
    ASSERT_EQ(photo.size(), QSize(30, 20));
    EXPECT_LE(largestChannelDifference(photo.copy(0, 0, 10, 10), drawn.copy(0, 0, 10, 10)), 8);
}

TEST_F(PictureFileTest, ReadsAnIcon) {
    QImage drawn(32, 32, QImage::Format_ARGB32);
    drawn.fill(qRgba(200, 100, 0, 255));
    ASSERT_TRUE(drawn.save(pathOf(QStringLiteral("tutor.ico")), "ICO"));

    const QImage icon = load(QStringLiteral("tutor.ico"));
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.pixel(16, 16), qRgba(200, 100, 0, 255));
}

TEST_F(PictureFileTest, JpegRoundTripKeepsColoursClose) {
    const QImage drawn = testPattern(97, 61); // sizes that are no multiple of a JPEG block
    writeBytes(pathOf(QStringLiteral("pattern.jpg")), jpegOf(drawn));

    const QImage decoded = load(QStringLiteral("pattern.jpg"));
    ASSERT_FALSE(decoded.isNull());
    EXPECT_TRUE(decoded.format() == QImage::Format_RGB888 ||
                decoded.format() == QImage::Format_RGB32);
    ASSERT_EQ(decoded.size(), drawn.size());
    EXPECT_LE(largestChannelDifference(decoded, drawn), 48) << "at the hard edge";
    EXPECT_LE(meanChannelDifference(decoded, drawn), 4.0);
}

TEST_F(PictureFileTest, GreyJpegComesBackAsGrey) {
    QImage grey(40, 8, QImage::Format_Grayscale8);
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 8; ++y)
            grey.scanLine(y)[x] = static_cast<uchar>(x * 6);
    writeBytes(pathOf(QStringLiteral("grey.jpg")), jpegOf(grey));

    const QImage decoded = load(QStringLiteral("grey.jpg"));
    ASSERT_EQ(decoded.size(), QSize(40, 8));
    EXPECT_EQ(decoded.format(), QImage::Format_RGB32);
    const QRgb middle = decoded.pixel(20, 4);
    EXPECT_EQ(qRed(middle), qGreen(middle));
    EXPECT_EQ(qGreen(middle), qBlue(middle));
    EXPECT_NEAR(qRed(middle), 120, 8);
}

// A picture that cannot be read leaves its place empty: null, never a crash.
TEST_F(PictureFileTest, FilesThatAreNoPictureGiveNothing) {
    EXPECT_TRUE(load(QStringLiteral("missing.jpg")).isNull());

    writeBytes(pathOf(QStringLiteral("empty.jpg")), {});
    EXPECT_TRUE(load(QStringLiteral("empty.jpg")).isNull());

    writeBytes(pathOf(QStringLiteral("text.jpg")), "This is no picture at all.\n");
    EXPECT_TRUE(load(QStringLiteral("text.jpg")).isNull());

    writeBytes(pathOf(QStringLiteral("marker.jpg")), "\xFF\xD8");
    EXPECT_TRUE(load(QStringLiteral("marker.jpg")).isNull());

    writeBytes(pathOf(QStringLiteral("bm.bmp")), "BM");
    EXPECT_TRUE(load(QStringLiteral("bm.bmp")).isNull());

    EXPECT_TRUE(platform::loadPictureFile(toStd(folder.path())).isNull()) << "a folder";
}

TEST_F(PictureFileTest, DamagedJpegsGiveNothing) {
    const QByteArray whole = jpegOf(testPattern(64, 64));

    writeBytes(pathOf(QStringLiteral("cut.jpg")), whole.left(whole.size() / 2));
    EXPECT_TRUE(load(QStringLiteral("cut.jpg")).isNull()) << "cut off in the picture data";

    writeBytes(pathOf(QStringLiteral("header.jpg")), whole.left(100));
    EXPECT_TRUE(load(QStringLiteral("header.jpg")).isNull()) << "cut off in the header";

    std::mt19937 random(2024);
    for (int attempt = 0; attempt < 20; ++attempt) {
        QByteArray garbage("\xFF\xD8", 2);
        for (int i = 0; i < 4000; ++i)
            garbage.append(static_cast<char>(random() & 0xFF));
        writeBytes(pathOf(QStringLiteral("garbage.jpg")), garbage);
        EXPECT_TRUE(load(QStringLiteral("garbage.jpg")).isNull()) << "attempt " << attempt;
    }
}

// A header claiming a huge picture must be refused before anything is allocated for it.
TEST_F(PictureFileTest, AbsurdSizesAreRefused) {
    const QByteArray jpeg = jpegOf(testPattern(16, 16));
    writeBytes(pathOf(QStringLiteral("huge.jpg")), withJpegFrameSize(jpeg, 60000, 60000));
    EXPECT_TRUE(load(QStringLiteral("huge.jpg")).isNull());

    writeBytes(pathOf(QStringLiteral("wide.jpg")), withJpegFrameSize(jpeg, 16385, 16));
    EXPECT_TRUE(load(QStringLiteral("wide.jpg")).isNull());

    writeBytes(pathOf(QStringLiteral("many.jpg")), withJpegFrameSize(jpeg, 9000, 9000));
    EXPECT_TRUE(load(QStringLiteral("many.jpg")).isNull()) << "81 M pixels";

    QByteArray bitmap = bitmapOf(testPattern(16, 16));
    const char hugeSide[4] = {'\x60', '\xEA', '\x00', '\x00'}; // 60000, little-endian
    bitmap.replace(18, 4, hugeSide, 4);
    bitmap.replace(22, 4, hugeSide, 4);
    writeBytes(pathOf(QStringLiteral("huge.bmp")), bitmap);
    EXPECT_TRUE(load(QStringLiteral("huge.bmp")).isNull());
}

TEST(PictureLimits, RefuseSidesAbove16384AndMoreThan64MegaPixels) {
    EXPECT_TRUE(platform::isAcceptablePictureSize(1, 1));
    EXPECT_TRUE(platform::isAcceptablePictureSize(16384, 4096));
    EXPECT_TRUE(platform::isAcceptablePictureSize(8192, 8192));
    EXPECT_FALSE(platform::isAcceptablePictureSize(8192, 8193));
    EXPECT_FALSE(platform::isAcceptablePictureSize(16385, 1));
    EXPECT_FALSE(platform::isAcceptablePictureSize(1, 16385));
    EXPECT_FALSE(platform::isAcceptablePictureSize(0, 10));
    EXPECT_FALSE(platform::isAcceptablePictureSize(60000, 60000));
}

} // namespace

// A 24-bit Windows bitmap of one colour, made byte by byte (Qt's writer would itself look
// through the image-format plugins).
QByteArray plainBitmap(int width, int height, QRgb colour) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const int pixelBytes = rowBytes * height;
    QByteArray bytes(54 + pixelBytes, '\0');
    const auto put = [&bytes](int at, int size, qint64 value) {
        for (int i = 0; i < size; ++i)
            bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, 4, bytes.size());
    put(10, 4, 54);
    put(14, 4, 40);
    put(18, 4, width);
    put(22, 4, height);
    put(26, 2, 1);
    put(28, 2, 24);
    put(34, 4, pixelBytes);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int at = 54 + y * rowBytes + x * 3;
            put(at, 1, qBlue(colour));
            put(at + 1, 1, qGreen(colour));
            put(at + 2, 1, qRed(colour));
        }
    return bytes;
}

// Bitmaps go to Qt's reader by name and JPEG files to libjpeg; neither may make Qt look through
// its image-format plugins, which a program would pay for before its first frame.
TEST_F(PictureFileTest, ReadsBitmapsAndJpegsWithoutLoadingImageFormatPlugins) {
    QImage drawn(16, 16, QImage::Format_RGB32);
    drawn.fill(qRgb(40, 90, 160));
    writeBytes(pathOf(QStringLiteral("a.bmp")), plainBitmap(5, 3, qRgb(40, 90, 160)));
    writeBytes(pathOf(QStringLiteral("b.jpg")), jpegOf(drawn));
    if (test_support::imageFormatPluginLoaded())
        GTEST_SKIP() << "an earlier test in this process loaded them already";

    const QImage bitmap = load(QStringLiteral("a.bmp"));
    ASSERT_EQ(bitmap.size(), QSize(5, 3));
    EXPECT_EQ(bitmap.pixel(4, 2), qRgb(40, 90, 160));
    EXPECT_EQ(load(QStringLiteral("b.jpg")).size(), QSize(16, 16));
    EXPECT_TRUE(load(QStringLiteral("missing.jpg")).isNull());
    EXPECT_FALSE(test_support::imageFormatPluginLoaded());
}
