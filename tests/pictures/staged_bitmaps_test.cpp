// The bitmaps of the installation folder as the build leaves them: 8 bits a pixel, and all
// the pictures together small enough for the course to install in under 30 MB.

#include "platform/pictures/picture_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// The staged pictures took 40 MB while the bitmaps had 24 bits a pixel; reduced to a palette
// and run-length encoded they need a sixth of that. This leaves room for new pictures while
// keeping the installation (programs and libraries take about 10 MB) well under 30 MB.
constexpr qint64 pictureBudgetBytes = 12LL * 1024 * 1024;

QStringList bitmapSources() {
    QStringList names;
    QDirIterator sources(QStringLiteral(PICTURE_SOURCES_DIR), {QStringLiteral("*.bmp.svg")},
                         QDir::Files, QDirIterator::Subdirectories);
    while (sources.hasNext())
        names.append(QFileInfo(sources.next()).completeBaseName()); // NAME.bmp
    return names;
}

QString stagedPath(const QString& name) {
    return QStringLiteral(STAGED_PICTURES_DIR "/") + name;
}

int field(const QByteArray& bytes, int at, int size) {
    int value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

TEST(StagedBitmaps, EveryBitmapHasEightBitsAPixel) {
    const QStringList names = bitmapSources();
    ASSERT_GE(names.size(), 60);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile file(stagedPath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "not staged";
        const QByteArray bytes = file.readAll();
        ASSERT_GT(bytes.size(), 54);
        EXPECT_TRUE(bytes.startsWith("BM"));
        EXPECT_EQ(field(bytes, 28, 2), 8) << "bits a pixel";
        const int compression = field(bytes, 30, 4);
        EXPECT_TRUE(compression == 0 || compression == 1) << "compression " << compression;
        const QImage picture = platform::loadPictureBytes(bytes);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.format(), QImage::Format_Indexed8);
    }
}

TEST(StagedBitmaps, AllPicturesStayWithinTheirBudget) {
    qint64 total = 0;
    int pictures = 0;
    for (const QFileInfo& file :
         QDir(QStringLiteral(STAGED_PICTURES_DIR))
             .entryInfoList({QStringLiteral("*.bmp"), QStringLiteral("*.jpg")}, QDir::Files)) {
        total += file.size();
        ++pictures;
    }
    EXPECT_GE(pictures, 150) << "the pictures are not all staged";
    EXPECT_LE(total, pictureBudgetBytes) << pictures << " pictures take " << total << " bytes";
    std::printf("staged pictures: %d files, %lld bytes\n", pictures, static_cast<long long>(total));
}

} // namespace
