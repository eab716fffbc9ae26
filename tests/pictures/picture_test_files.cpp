#include "picture_test_files.h"

#include "platform/pictures/jpeg_encoder.h"

#include <QFile>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <stdexcept>

namespace picture_test {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file " + path.toStdString());
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read test file " + path.toStdString());
    return file.readAll();
}

QImage testPattern(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    std::mt19937 noise(7);
    std::uniform_int_distribution<int> jitter(-6, 6);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int red = std::clamp(255 * x / width + jitter(noise), 0, 255);
            const int green = std::clamp(255 * y / height + jitter(noise), 0, 255);
            const int blue = x < width / 2 ? 60 : 200;
            image.setPixel(x, y, qRgb(red, green, blue));
        }
    return image;
}

QByteArray jpegBytesOf(const QImage& image, const QString& scratchPath) {
    if (!platform::writeJpegFile(image, toStd(scratchPath)))
        throw std::runtime_error("cannot encode test JPEG");
    return readBytes(scratchPath);
}

QByteArray withJpegFrameSize(QByteArray jpeg, int width, int height) {
    for (qsizetype i = 2; i + 8 < jpeg.size(); ++i) {
        const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            jpeg[i + 5] = static_cast<char>(height >> 8);
            jpeg[i + 6] = static_cast<char>(height & 0xFF);
            jpeg[i + 7] = static_cast<char>(width >> 8);
            jpeg[i + 8] = static_cast<char>(width & 0xFF);
            return jpeg;
        }
    }
    throw std::runtime_error("no frame header in test JPEG");
}

int largestChannelDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return -1;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

double meanChannelDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull())
        return -1;
    long long sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return static_cast<double>(sum) / (3.0 * a.width() * a.height());
}

std::string toStd(const QString& path) {
    return path.toStdString();
}

} // namespace picture_test
