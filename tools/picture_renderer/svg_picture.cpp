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

} // namespace tools
