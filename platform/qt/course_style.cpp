#include "platform/qt/course_style.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>

namespace platform {
namespace {

// "»" pointing right (a horizontal menu bar) or down (a vertical one), in the text colour.
QPixmap chevron(int side, bool pointingDown, const QColor& colour) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, side / 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const double s = side;
    for (const double offset : {0.22, 0.50}) {
        QPainterPath path;
        path.moveTo(offset * s, 0.25 * s);
        path.lineTo((offset + 0.22) * s, 0.50 * s);
        path.lineTo(offset * s, 0.75 * s);
        if (pointingDown)
            path = QTransform(0, 1, 1, 0, 0, 0).map(path); // mirrored in the diagonal
        painter.drawPath(path);
    }
    return pixmap;
}

class CourseStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which != SP_ToolBarHorizontalExtensionButton &&
            which != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(which, option, widget);
        const QColor colour = QApplication::palette().color(QPalette::ButtonText);
        const bool down = which == SP_ToolBarVerticalExtensionButton;
        QIcon icon;
        for (const int side : {16, 32})
            icon.addPixmap(chevron(side, down, colour));
        return icon;
    }
};

} // namespace

QStyle* makeCourseStyle(const char* baseStyle) {
    QStyle* base = baseStyle ? QStyleFactory::create(QString::fromLatin1(baseStyle)) : nullptr;
    return base ? new CourseStyle(base) : new CourseStyle;
}

void useCourseStyle(QApplication& application, const char* baseStyle) {
    application.setStyle(makeCourseStyle(baseStyle));
}

} // namespace platform
