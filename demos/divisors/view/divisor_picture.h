#pragma once

#include "kit/view/canvas.h"

#include <gmpxx.h>

namespace divisors {

// n unit squares laid out in rows of width a: when a divides n they fill an a-by-n/a
// rectangle exactly; otherwise r squares are left over (n = a q + r). The divisor pairs lie on
// the curve x y = n. The width a is a draggable point on the x axis.
class DivisorPicture : public kit::Canvas {
    Q_OBJECT
  public:
    explicit DivisorPicture(QWidget* parent = nullptr);

    // Numbers above this are described in words only: the squares would be too small to see.
    static constexpr long largestDrawn = 2500;

    void setNumber(const mpz_class& n); // n >= 1
    long width() const { return width_; }
    void setRectangleWidth(long a);
    bool drawn() const { return drawn_; }

  signals:
    void rectangleWidthChanged(long a);

  protected:
    void paintWorld(QPainter& painter, const kit::CanvasTransform& t) override;

  private:
    void paintSquares(QPainter& painter, const kit::CanvasTransform& t) const;
    void paintPairs(QPainter& painter, const kit::CanvasTransform& t) const;

    long n_ = 1;
    long width_ = 1;
    bool drawn_ = true;
};

} // namespace divisors
