#pragma once

#include "angles/core/triangle_solver.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPainter;
class QTextBrowser;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace angles {

// Solves a triangle from what is typed (sides and angles in degrees; exact forms such as
// sqrt(2) allowed), shows the steps and the checks by the laws of sines and cosines, and draws
// it; in the ambiguous SSA case both triangles and the circle side a swings on.
class TriangleTab : public QWidget {
    Q_OBJECT
  public:
    explicit TriangleTab(QWidget* parent = nullptr);
    const TriangleSolution& solution() const { return solution_; }

  public slots:
    void solve();

  private:
    void chooseCase(int index);
    void paint(QPainter& painter, const kit::CanvasTransform& t) const;
    QString resultHtml() const;
    void fitView();
    // The SSA givens can be drawn as side b and the circle side a swings on.
    bool swingDrawable() const;

    TriangleCase case_ = TriangleCase::SSS;
    TriangleSolution solution_;
    std::vector<double> given_; // as typed, for the picture of a case with no triangle
    QComboBox* caseChooser_;
    std::array<QLabel*, 3> labels_{};
    std::array<QLineEdit*, 3> fields_{};
    QLabel* message_;
    QTextBrowser* result_;
    kit::Canvas* canvas_;
};

} // namespace angles
