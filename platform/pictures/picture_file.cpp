#include "platform/pictures/picture_file.h"

#include "platform/pictures/jpeg_decoder.h"
#include "platform/pictures/picture_limits.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <filesystem>

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

qint64 littleEndian(const QByteArray& bytes, int at, int size) {
    qint64 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// Whether a Windows bitmap holds all the pixel data its header promises. Qt's reader fills
// what is missing with nothing and returns the picture anyway; a cut file must give none.
bool bitmapIsWhole(const QByteArray& bytes) {
    if (bytes.size() < 26)
        return false;
    const qint64 pixelsAt = littleEndian(bytes, 10, 4);
    const qint64 headerSize = littleEndian(bytes, 14, 4);
    qint64 width = 0, height = 0, bitsPerPixel = 0, compression = 0, imageSize = 0;
    if (headerSize == 12) { // the old OS/2 header
        width = littleEndian(bytes, 18, 2);
        height = littleEndian(bytes, 20, 2);
        bitsPerPixel = littleEndian(bytes, 24, 2);
    } else {
        if (bytes.size() < 38)
            return false;
        width = static_cast<qint32>(littleEndian(bytes, 18, 4));
        height = static_cast<qint32>(littleEndian(bytes, 22, 4));
        bitsPerPixel = littleEndian(bytes, 28, 2);
        compression = littleEndian(bytes, 30, 4);
        imageSize = littleEndian(bytes, 34, 4);
    }
    const qint64 rows = height < 0 ? -height : height;
    if (!isAcceptablePictureSize(width, rows))
        return false;
    const bool uncompressed = compression == 0 || compression == 3; // plain or bit fields
    const qint64 pixelBytes =
        uncompressed ? (width * bitsPerPixel + 31) / 32 * 4 * rows : imageSize;
    return pixelsAt + pixelBytes <= bytes.size();
}

// An icon file begins with a zero word and the resource type (1 for icons, 2 for cursors).
// Bytes that do not are never handed to Qt's icon reader: the first use of that reader loads
// Qt's image-format plugins, which a program showing only BMP and JPEG pictures never needs.
bool mayBeIcon(const QByteArray& bytes) {
    return bytes.size() >= 6 && bytes[0] == 0 && bytes[1] == 0 &&
           (bytes[2] == 1 || bytes[2] == 2) && bytes[3] == 0;
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
    return loadPictureBytes(readWholeFile(path));
}

QImage loadPictureBytes(const QByteArray& bytes) {
    if (startsWith(bytes, "BM"))
        return bitmapIsWhole(bytes) ? readWithQt(bytes, "bmp") : QImage();
    if (mayBeIcon(bytes)) {
        QImage icon = readWithQt(bytes, "ico");
        if (!icon.isNull())
            return icon;
    }
    if (startsWith(bytes, "\xFF\xD8"))
        return decodeJpeg(bytes);
    return {};
}

QImage loadProgramPicture(const std::string& folder, std::string_view file) {
    return loadPictureFile((std::filesystem::path(folder) / file).string());
}

} // namespace platform
