#include "doorgame/view/door_button.h"

#include <QPainter>

#include <utility>

namespace doorgame {

DoorButton::DoorButton(int controlNumber, QImage picture, QWidget* parent)
    : QPushButton(parent), controlNumber_(controlNumber), picture_(std::move(picture)) {
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QPushButton::clicked, this, [this] { emit clickedControl(controlNumber_); });
}

void DoorButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (picture_.isNull())
        return;
    QPainter painter(this);
    const int left = (width() - picture_.width()) / 2;
    const int top = (height() - picture_.height()) / 2;
    painter.drawImage(left, top, picture_);
}

} // namespace doorgame
