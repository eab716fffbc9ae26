#include "tools/picture_renderer/svg_picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tools {

std::variant<QImage, QString> renderSvgPicture(const QString& svgPath) {
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid())
        return QStringLiteral("%1: not a readable SVG file").arg(svgPath);
    const QSize size = renderer.defaultSize();
    if (size.isEmpty())
        return QStringLiteral("%1: width and height must both be above zero").arg(svgPath);
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return picture;
}

std::variant<QImage, QString> renderSvgIcon(const QString& svgPath, int size) {
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid())
        return QStringLiteral("%1: not a readable SVG file").arg(svgPath);
    if (size < 1 || size > 4096)
        return QStringLiteral("%1: an icon size of %2 pixels").arg(svgPath).arg(size);
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return icon;
}

} // namespace tools
