#include "tools/picture_renderer/palette_fidelity.h"

#include "tools/picture_renderer/colour_census.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tools {
namespace {

int largestChannelDifference(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

int squaredDifferences(QRgb a, QRgb b) {
    const int red = qRed(a) - qRed(b);
    const int green = qGreen(a) - qGreen(b);
    const int blue = qBlue(a) - qBlue(b);
    return red * red + green * green + blue * blue;
}

} // namespace

PaletteFidelity measureFidelity(const QImage& original, const QImage& reduced) {
    const QImage before = original.convertToFormat(QImage::Format_RGB32);
    const QImage after = reduced.convertToFormat(QImage::Format_RGB32);
    PaletteFidelity fidelity;
    long long squares = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            const QRgb a = before.pixel(x, y);
            const QRgb b = after.pixel(x, y);
            const int difference = largestChannelDifference(a, b);
            squares += squaredDifferences(a, b);
            fidelity.worstError = std::max(fidelity.worstError, difference);
            if (difference > fidelity.worstFlatError && isFlatPixel(before, x, y))
                fidelity.worstFlatError = difference;
        }
    const double samples = 3.0 * before.width() * before.height();
    fidelity.psnr = squares == 0
                        ? std::numeric_limits<double>::infinity()
                        : 10.0 * std::log10(255.0 * 255.0 * samples / static_cast<double>(squares));
    return fidelity;
}

bool isFaithful(const PaletteFidelity& fidelity) {
    return fidelity.psnr >= leastFaithfulPsnr && fidelity.worstFlatError <= mostFaithfulFlatError;
}

QString describeFidelity(const PaletteFidelity& fidelity) {
    const QString psnr = std::isinf(fidelity.psnr)
                             ? QStringLiteral("exact")
                             : QStringLiteral("%1 dB").arg(fidelity.psnr, 0, 'f', 1);
    return QStringLiteral("PSNR %1, worst error %2 (flat areas %3)")
        .arg(psnr)
        .arg(fidelity.worstError)
        .arg(fidelity.worstFlatError);
}

} // namespace tools
