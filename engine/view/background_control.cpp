#include "engine/view/background_control.h"

#include <QPaintEvent>
#include <QPainter>

namespace engine {

BackgroundControl::BackgroundControl(const QImage& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// The picture is opaque, so it is copied over whatever the backing store holds; any part of
// the control that the picture does not reach shows the window colour.
void BackgroundControl::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect area = event->rect();
    const QRect shown = area & picture_.rect();
    if (shown != area)
        painter.fillRect(area, palette().window());
    if (!shown.isEmpty())
        painter.drawImage(shown.topLeft(), picture_, shown);
}

} // namespace engine
