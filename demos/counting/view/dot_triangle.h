#pragma once

#include "kit/view/canvas.h"

namespace counting {

// The sum 1 + 2 + ... + n as a triangle of dots, with a second copy turned upside down that
// fills the n by (n + 1) rectangle: twice the sum is n(n + 1).
class DotTriangle : public kit::Canvas {
    Q_OBJECT
  public:
    explicit DotTriangle(QWidget* parent = nullptr);
    void setN(long n);
    long n() const { return n_; }
    // Whether the turned copy is drawn beside the triangle.
    void setCopyShown(bool shown);

  protected:
    void paintWorld(QPainter& painter, const kit::CanvasTransform& t) override;

  private:
    long n_ = 4;
    bool copyShown_ = true;
};

} // namespace counting
