#include "divisors/view/sieve_board.h"

#include "kit/view/course_colours.h"

#include <QPainter>
#include <cmath>

namespace divisors {

SieveBoard::SieveBoard(QWidget* parent) : QWidget(parent) {
    setObjectName("sieveBoard");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SieveBoard::setSieve(const Sieve* sieve) {
    sieve_ = sieve;
    step_ = 0;
    crossed_ = 0;
    update();
}

void SieveBoard::setProgress(int step, int crossed) {
    step_ = step;
    crossed_ = crossed;
    update();
}

int SieveBoard::columns() const {
    return sieve_ && sieve_->limit() > 200 ? 20 : 10;
}

bool SieveBoard::crossedYet(int k) const {
    const int at = sieve_->crossedAtStep(k);
    if (at < 0)
        return false;
    if (at < step_)
        return true;
    if (at > step_)
        return false;
    const auto& crossed = sieve_->steps()[static_cast<std::size_t>(at)].crossed;
    for (int i = 0; i < crossed_ && i < static_cast<int>(crossed.size()); ++i)
        if (crossed[static_cast<std::size_t>(i)] == k)
            return true;
    return false;
}

void SieveBoard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kit::panelColour());
    if (!sieve_)
        return;
    const int limit = sieve_->limit();
    const int cols = columns();
    const int rows = (limit + cols - 1) / cols;
    const double cell =
        std::min(width() / static_cast<double>(cols), height() / static_cast<double>(rows));
    QFont font = painter.font();
    font.setPixelSize(std::max(7, static_cast<int>(cell * 0.42)));
    painter.setFont(font);
    const int steps = static_cast<int>(sieve_->steps().size());
    const bool finished = step_ >= steps;
    const int currentPrime = finished ? 0 : sieve_->steps()[static_cast<std::size_t>(step_)].prime;
    int lastCrossed = 0;
    if (!finished && crossed_ > 0)
        lastCrossed = sieve_->steps()[static_cast<std::size_t>(step_)]
                          .crossed[static_cast<std::size_t>(crossed_ - 1)];
    for (int k = 1; k <= limit; ++k) {
        const int index = k - 1;
        const QRectF box((index % cols) * cell + 1, (index / cols) * cell + 1, cell - 2, cell - 2);
        const bool crossed = k == 1 || crossedYet(k);
        // A number is known prime once every smaller prime has been used up to its square.
        const bool knownPrime =
            k > 1 && !crossed && (finished || k < currentPrime * currentPrime || k <= currentPrime);
        QColor fill = Qt::white, text = Qt::black;
        if (crossed) {
            fill = QColor(190, 190, 190);
            text = QColor(110, 110, 110);
        } else if (k == currentPrime) {
            fill = kit::accentColour();
            text = Qt::white;
        } else if (knownPrime) {
            fill = kit::pageColour();
            text = Qt::white;
        }
        if (k == lastCrossed)
            fill = QColor(240, 170, 120);
        painter.fillRect(box, fill);
        painter.setPen(text);
        painter.drawText(box, Qt::AlignCenter, QString::number(k));
        if (crossed && k > 1) {
            painter.setPen(QPen(QColor(90, 90, 90), 1));
            painter.drawLine(box.bottomLeft() + QPointF(2, -2), box.topRight() + QPointF(-2, 2));
        }
    }
}

} // namespace divisors
