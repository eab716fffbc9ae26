#include "tools/picture_renderer/picture_output.h"

#include "platform/pictures/jpeg_encoder.h"

#include <QDir>
#include <QFileInfo>

namespace tools {
namespace {

constexpr int jpegQuality = 92;

bool writeInFormat(const QImage& picture, const QString& path, const QString& suffix) {
    if (suffix == QLatin1String("jpg"))
        return platform::writeJpegFile(picture, path.toStdString(), jpegQuality);
    if (suffix == QLatin1String("bmp")) // RGB888 keeps Qt's writer at 24 bits a pixel
        return picture.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
    return picture.save(path, "PNG");
}

} // namespace

std::optional<QString> writePicture(const QImage& picture, const QString& outputPath) {
    const QFileInfo output(outputPath);
    const QString suffix = output.suffix().toLower();
    if (suffix != QLatin1String("jpg") && suffix != QLatin1String("bmp") &&
        suffix != QLatin1String("png"))
        return QStringLiteral("%1: the file name must end with .jpg, .bmp or .png").arg(outputPath);
    if (!QDir().mkpath(output.absolutePath()) || !writeInFormat(picture, outputPath, suffix))
        return QStringLiteral("%1: cannot be written").arg(outputPath);
    return std::nullopt;
}

} // namespace tools
