#include "platform/pictures/picture_file.h"

#include "platform/pictures/jpeg_decoder.h"
#include "platform/pictures/picture_limits.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace platform {
namespace {

// No picture of the course comes near this; a bigger file is not read at all.
constexpr qint64 maxPictureFileBytes = 256LL * 1024 * 1024;

QByteArray readWholeFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxPictureFileBytes)
        return {};
    return file.readAll();
}

bool startsWith(const QByteArray& bytes, const char* prefix) {
    return bytes.startsWith(QByteArray(prefix));
}

// Reads the bytes with exactly one of Qt's readers, never guessing another format.
QImage readWithQt(const QByteArray& bytes, const char* format) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead())
        return {};
    const QSize size = reader.size();
    if (size.isValid() && !isAcceptablePictureSize(size.width(), size.height()))
        return {};
    QImage image = reader.read();
    if (!isAcceptablePictureSize(image.width(), image.height()))
        return {};
    return image;
}

} // namespace

QImage loadPictureFile(const std::string& path) {
    const QByteArray bytes = readWholeFile(path);
    if (startsWith(bytes, "BM"))
        return readWithQt(bytes, "bmp");
    QImage icon = readWithQt(bytes, "ico");
    if (!icon.isNull())
        return icon;
    if (startsWith(bytes, "\xFF\xD8"))
        return decodeJpeg(bytes);
    return {};
}

} // namespace platform
