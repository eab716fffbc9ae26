#pragma once

#include "imaginaries/core/quadratic.h"

#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace imaginaries {

// ax² + bx + c = 0 with typed coefficients: the discriminant, the roots by the formula
// step by step, and the two conjugate roots drawn in the plane.
class QuadraticTab : public QWidget {
    Q_OBJECT
  public:
    explicit QuadraticTab(QWidget* parent = nullptr);

  private:
    void refresh();
    void paint(QPainter& painter, const kit::CanvasTransform& t) const;

    QLineEdit* a_;
    QLineEdit* b_;
    QLineEdit* c_;
    QLabel* error_;
    QTextBrowser* steps_;
    kit::Canvas* canvas_;
    std::optional<QuadraticRoots> roots_;
};

} // namespace imaginaries
