#include "tools/picture_renderer/palette_mapping.h"

#include <QHash>

namespace tools {

int colourDistance(QRgb a, QRgb b) {
    const int red = qRed(a) - qRed(b);
    const int green = qGreen(a) - qGreen(b);
    const int blue = qBlue(a) - qBlue(b);
    return red * red + green * green + blue * blue;
}

int nearestPaletteIndex(const std::vector<QRgb>& palette, QRgb colour) {
    int best = 0;
    int bestDistance = colourDistance(palette[0], colour);
    for (int i = 1; i < static_cast<int>(palette.size()) && bestDistance > 0; ++i)
        if (const int distance = colourDistance(palette[i], colour); distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    return best;
}

QImage mapToPalette(const QImage& picture, const std::vector<QRgb>& palette) {
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    QImage indexed(pixels.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    for (const QRgb colour : palette)
        table.append(colour | 0xFF000000u);
    indexed.setColorTable(table);
    indexed.setDotsPerMeterX(picture.dotsPerMeterX());
    indexed.setDotsPerMeterY(picture.dotsPerMeterY());
    QHash<QRgb, uchar> nearest;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        uchar* target = indexed.scanLine(y);
        for (int x = 0; x < pixels.width(); ++x) {
            auto found = nearest.constFind(source[x]);
            if (found == nearest.constEnd())
                found = nearest.insert(source[x],
                                       static_cast<uchar>(nearestPaletteIndex(palette, source[x])));
            target[x] = *found;
        }
    }
    return indexed;
}

} // namespace tools
