#include "engine/view/balloon_tooltip.h"

#include <QEvent>
#include <QHelpEvent>

namespace engine {

BalloonTooltip::BalloonTooltip(QWidget* control, const QString& text)
    : QObject(control), control_(control), text_(text) {
    control->installEventFilter(this);
    control->setAttribute(Qt::WA_Hover);
}

BalloonTooltip::~BalloonTooltip() {
    delete tip_;
}

void BalloonTooltip::showNear(const QPoint& globalPosition) {
    if (!tip_) {
        tip_ = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
        tip_->setObjectName(QStringLiteral("balloonTip"));
        tip_->setTextFormat(Qt::PlainText);
        tip_->setWordWrap(true);
        tip_->setMaximumWidth(maximumWidth);
        tip_->setMargin(6);
        tip_->setStyleSheet(QStringLiteral(
            "QLabel#balloonTip { color: rgb(0, 0, 0); background-color: rgb(214, 245, 88);"
            " border: 1px solid rgb(0, 0, 0); border-radius: 6px; }"));
        tip_->setText(text_);
    }
    tip_->adjustSize();
    tip_->move(globalPosition + QPoint(12, 18));
    tip_->show();
    tip_->raise();
}

void BalloonTooltip::hide() {
    if (tip_)
        tip_->hide();
}

bool BalloonTooltip::eventFilter(QObject* watched, QEvent* event) {
    if (watched == control_) {
        switch (event->type()) {
        case QEvent::ToolTip:
            showNear(static_cast<QHelpEvent*>(event)->globalPos());
            return true;
        case QEvent::Leave:
        case QEvent::Hide:
        case QEvent::MouseButtonPress:
            hide();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace engine
