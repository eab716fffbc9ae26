#include "tools/picture_renderer/picture_output.h"

#include "platform/pictures/jpeg_encoder.h"
#include "tools/picture_renderer/colour_census.h"
#include "tools/picture_renderer/indexed_bitmap.h"
#include "tools/picture_renderer/palette_builder.h"
#include "tools/picture_renderer/palette_fidelity.h"
#include "tools/picture_renderer/palette_mapping.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace tools {
namespace {

constexpr int jpegQuality = 92;

QByteArray encodedWithQt(const QImage& picture, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    return writer.write(picture) ? bytes : QByteArray();
}

bool saveWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size() && file.commit();
}

bool writeInFormat(const QImage& picture, const QString& path, const QString& suffix,
                   QString& note) {
    if (suffix == QLatin1String("jpg"))
        return platform::writeJpegFile(picture, path.toStdString(), jpegQuality);
    if (suffix == QLatin1String("bmp"))
        return saveWhole(path, bitmapFileOf(picture, note));
    return saveWhole(path, encodedWithQt(picture, "PNG"));
}

} // namespace

QByteArray bitmapFileOf(const QImage& picture, QString& note) {
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    const QImage indexed = mapToPalette(pixels, buildPalette(takeColourCensus(pixels)));
    const PaletteFidelity fidelity = measureFidelity(pixels, indexed);
    if (isFaithful(fidelity))
        return smallestIndexedBitmap(indexed);
    note = QStringLiteral("keeps 24 bits a pixel: 256 colours give only %1")
               .arg(describeFidelity(fidelity));
    // RGB888 keeps Qt's writer at 24 bits a pixel
    return encodedWithQt(pixels.convertToFormat(QImage::Format_RGB888), "BMP");
}

PictureWriting writePicture(const QImage& picture, const QString& outputPath) {
    const QFileInfo output(outputPath);
    const QString suffix = output.suffix().toLower();
    if (suffix != QLatin1String("jpg") && suffix != QLatin1String("bmp") &&
        suffix != QLatin1String("png"))
        return {
            QStringLiteral("%1: the file name must end with .jpg, .bmp or .png").arg(outputPath),
            {}};
    PictureWriting writing;
    QString note;
    if (!QDir().mkpath(output.absolutePath()) || !writeInFormat(picture, outputPath, suffix, note))
        writing.problem = QStringLiteral("%1: cannot be written").arg(outputPath);
    else if (!note.isEmpty())
        writing.note = QStringLiteral("%1 %2").arg(outputPath, note);
    return writing;
}

} // namespace tools
