#pragma once

#include "imaginaries/core/exact_complex.h"

#include <QWidget>

class QCheckBox;
class QTextBrowser;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace imaginaries {

// The complex plane with z and w to drag (they snap to halves): their sum, difference,
// product, quotient and conjugates drawn as arrows from 0, and every value written exactly in
// rectangular form and in polar and exponential form.
class PlaneTab : public QWidget {
    Q_OBJECT
  public:
    explicit PlaneTab(QWidget* parent = nullptr);
    kit::Canvas* canvas() const { return canvas_; }
    ExactComplex z() const;
    ExactComplex w() const;

  private:
    void refresh();
    void paint(QPainter& painter, const kit::CanvasTransform& t) const;

    kit::Canvas* canvas_;
    QCheckBox* sum_;
    QCheckBox* difference_;
    QCheckBox* product_;
    QCheckBox* quotient_;
    QCheckBox* conjugates_;
    QTextBrowser* values_;
};

} // namespace imaginaries
