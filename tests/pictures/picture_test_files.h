#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

#include <string>

namespace picture_test {

void writeBytes(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);

// A picture with a smooth colour ramp, a hard edge and noise: a fair test for a codec.
QImage testPattern(int width, int height);

// The bytes of a JPEG of `image` made with our own encoder.
QByteArray jpegBytesOf(const QImage& image, const QString& scratchPath);

// Overwrites the size of a JPEG's first frame header (baseline or progressive).
QByteArray withJpegFrameSize(QByteArray jpeg, int width, int height);

// The largest difference of any channel of any pixel; -1 when the sizes differ.
int largestChannelDifference(const QImage& a, const QImage& b);

// The mean difference over all channels of all pixels; -1 when the sizes differ.
double meanChannelDifference(const QImage& a, const QImage& b);

std::string toStd(const QString& path);

} // namespace picture_test
