#pragma once

#include "angles/core/sinusoid.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QPainter;
class QSlider;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace angles {

// y = A·f(b(x − c)) + d for sin, cos or tan with A, b, c and d on sliders; the plain graph of
// f stays faintly behind, one period is marked on the axis and the facts follow the sliders.
class WaveTab : public QWidget {
    Q_OBJECT
  public:
    explicit WaveTab(QWidget* parent = nullptr);
    const Sinusoid& wave() const { return wave_; }

  public slots:
    // The angle of P on the unit circle, marked on the graph: its x and the value there.
    void markAngle(double radians);

  private:
    void update_();
    void paint(QPainter& painter, const kit::CanvasTransform& t) const;

    Sinusoid wave_;
    double marked_ = 0;
    QComboBox* kindChooser_;
    std::array<QSlider*, 4> sliders_{};
    std::array<QLabel*, 4> values_{};
    QLabel* facts_;
    kit::Canvas* canvas_;
};

} // namespace angles
