#pragma once

#include "areas/core/antiderivative.h"

#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QPainter;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace areas {

// The fundamental theorem: the area A(x) = ∫ₐˣ f(t) dt shaded from a to a point x dragged
// along the axis, the graph of A beside the graph of f, and at x the slope of A against f(x).
class AreaFunctionTab : public QWidget {
    Q_OBJECT
  public:
    explicit AreaFunctionTab(QWidget* parent = nullptr);
    QString factsText() const;

  public slots:
    void recompute();
    void moveTo(double x);

  private:
    void paint(QPainter& painter, const kit::CanvasTransform& t) const;
    void resample();

    QLineEdit* functionField_;
    QLineEdit* startField_;
    QLabel* message_;
    QLabel* facts_;
    kit::Canvas* canvas_;
    std::optional<kit::Expression> f_;
    std::optional<FoundAntiderivative> F_;
    double a_ = 0, x_ = 2;
    bool areaDefined_ = false;     // A(x) exists at the shown x
    double area_ = 0, height_ = 0; // A(x) and f(x) there, for the tangent of A
    std::vector<std::pair<double, double>> samples_;
};

} // namespace areas
