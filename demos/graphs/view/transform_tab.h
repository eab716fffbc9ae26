#pragma once

#include "kit/core/expression_input.h"

#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPainter;
class QSlider;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace graphs {

// y = a·f(b(x − c)) + d with a, b, c and d on sliders: the graph of f stays in grey and the
// transformed graph follows each slider, with its formula and what each number does.
class TransformTab : public QWidget {
    Q_OBJECT
  public:
    explicit TransformTab(QWidget* parent = nullptr);
    // a, b, c, d as the sliders show them (halves).
    double parameter(int k) const;

  public slots:
    void refresh();

  private:
    void paint(QPainter& painter, const kit::CanvasTransform& t) const;

    QLineEdit* base_;
    QLabel* error_;
    std::array<QSlider*, 4> sliders_{};
    std::array<QLabel*, 4> values_{};
    QLabel* formula_;
    kit::Canvas* canvas_;
    std::optional<kit::Expression> f_, g_;
};

} // namespace graphs
