#include "picture_test_files.h"

#include "platform/pictures/picture_file.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace picture_test;

namespace {

struct RendererRun {
    int exitCode;
    QString errors;
};

// 40 x 20 pixels from a 4 x 2 viewBox: red fills the right half, the left is left empty.
const QByteArray halfRedSvg = R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20"
    viewBox="0 0 4 2"><rect x="2" y="0" width="2" height="2" fill="rgb(255,0,0)"/></svg>)svg";

class PictureRendererTest : public ::testing::Test {
  protected:
    QString pathOf(const QString& name) const { return folder.filePath(name); }

    QString source(const QString& name, const QByteArray& svg) const {
        writeBytes(pathOf(name), svg);
        return pathOf(name);
    }

    static RendererRun render(const QString& svgPath, const QString& outputPath) {
        QProcess renderer;
        renderer.start(QStringLiteral(PICTURE_RENDERER_PATH), {svgPath, outputPath});
        renderer.waitForFinished(60000);
        const bool finished = renderer.exitStatus() == QProcess::NormalExit;
        return {finished ? renderer.exitCode() : -1,
                QString::fromLocal8Bit(renderer.readAllStandardError())};
    }

    QTemporaryDir folder;
};

TEST_F(PictureRendererTest, ScalesTheViewBoxToTheGivenSizeOverWhite) {
    const QString output = pathOf(QStringLiteral("half.bmp"));
    ASSERT_EQ(render(source(QStringLiteral("half.bmp.svg"), halfRedSvg), output).exitCode, 0);

    const QImage picture = platform::loadPictureFile(toStd(output));
    ASSERT_EQ(picture.size(), QSize(40, 20));
    EXPECT_EQ(picture.pixel(5, 10), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(19, 10), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(21, 10), qRgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(39, 19), qRgb(255, 0, 0));
}

TEST_F(PictureRendererTest, WritesTheFormatTheNameAsksFor) {
    const QString svg = source(QStringLiteral("half.svg"), halfRedSvg);

    const QString bitmap = pathOf(QStringLiteral("half.bmp"));
    ASSERT_EQ(render(svg, bitmap).exitCode, 0);
    const QByteArray bitmapBytes = readBytes(bitmap);
    ASSERT_GT(bitmapBytes.size(), 30);
    EXPECT_TRUE(bitmapBytes.startsWith("BM"));
    EXPECT_EQ(bitmapBytes[28], 8) << "bits per pixel: two colours fit a palette";
    EXPECT_EQ(bitmapBytes[30], 1) << "run-length encoded: each row is two runs";

    const QString jpeg = pathOf(QStringLiteral("half.jpg"));
    ASSERT_EQ(render(svg, jpeg).exitCode, 0);
    EXPECT_TRUE(readBytes(jpeg).startsWith("\xFF\xD8"));
    const QImage decoded = platform::loadPictureFile(toStd(jpeg));
    ASSERT_EQ(decoded.size(), QSize(40, 20));
    EXPECT_GT(qRed(decoded.pixel(30, 10)), 230);
    EXPECT_LT(qGreen(decoded.pixel(30, 10)), 30);

    const QString png = pathOf(QStringLiteral("sub/half.png"));
    ASSERT_EQ(render(svg, png).exitCode, 0);
    EXPECT_TRUE(readBytes(png).startsWith("\x89PNG"));
    EXPECT_EQ(QImage(png).size(), QSize(40, 20));
}

// Every fault stops the build with a message that says which file is wrong.
TEST_F(PictureRendererTest, BadSourcesFailNamingTheFile) {
    const QString output = pathOf(QStringLiteral("out.bmp"));

    const QString broken = source(QStringLiteral("broken.bmp.svg"), "<svg><rect></svg");
    RendererRun run = render(broken, output);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(broken)) << run.errors.toStdString();

    const QString flat =
        source(QStringLiteral("flat.bmp.svg"),
               R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="0"/>)svg");
    run = render(flat, output);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(flat)) << run.errors.toStdString();

    const QString missing = pathOf(QStringLiteral("missing.bmp.svg"));
    run = render(missing, output);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(missing)) << run.errors.toStdString();

    EXPECT_FALSE(QFile::exists(output));
}

TEST_F(PictureRendererTest, UnknownOutputFormatFails) {
    const QString output = pathOf(QStringLiteral("half.gif"));
    const RendererRun run = render(source(QStringLiteral("half.svg"), halfRedSvg), output);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(output)) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(output));
}

} // namespace
