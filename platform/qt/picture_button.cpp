#include "platform/qt/picture_button.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <utility>

namespace platform {
namespace {
constexpr int faceBorder = 2;
}

PictureButton::PictureButton(int controlNumber, QImage picture, QWidget* parent)
    : QPushButton(parent), controlNumber_(controlNumber), picture_(std::move(picture)) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { emit controlEvent(controlNumber_); });
}

QPixmap PictureButton::faceForState() const {
    const QPixmap face = QPixmap::fromImage(picture_);
    if (isEnabled())
        return face;
    QStyleOption option;
    option.initFrom(this);
    return style()->generatedIconPixmap(QIcon::Disabled, face, &option);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    if (!picture_.isNull()) {
        const int shift = isDown() ? 1 : 0;
        const int left = (width() - picture_.width()) / 2 + shift;
        const int top = (height() - picture_.height()) / 2 + shift;
        painter.save();
        painter.setClipRect(rect().adjusted(faceBorder, faceBorder, -faceBorder, -faceBorder));
        painter.drawPixmap(left, top, faceForState());
        painter.restore();
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect =
            rect().adjusted(faceBorder + 2, faceBorder + 2, -faceBorder - 2, -faceBorder - 2);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace platform
