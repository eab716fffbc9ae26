#include "menu/view/topic_link.h"

#include <QMouseEvent>

namespace menu {
namespace {
const QColor normalColour(0, 0, 0);
const QColor pointedColour(255, 255, 0);
} // namespace

TopicLink::TopicLink(int controlNumber, const QString& text, QWidget* parent)
    : QLabel(text, parent), controlNumber_(controlNumber) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCursor(Qt::PointingHandCursor);
    showHighlight(false);
}

QColor TopicLink::textColour() const {
    return highlighted_ ? pointedColour : normalColour;
}

void TopicLink::showHighlight(bool highlighted) {
    highlighted_ = highlighted;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, textColour());
    setPalette(colours);
}

void TopicLink::enterEvent(QEnterEvent* event) {
    showHighlight(true);
    QLabel::enterEvent(event);
}

void TopicLink::leaveEvent(QEvent* event) {
    showHighlight(false);
    QLabel::leaveEvent(event);
}

void TopicLink::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void TopicLink::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit controlEvent(controlNumber_);
}

} // namespace menu
