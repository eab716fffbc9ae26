#pragma once

#include "slopes/view/slope_plot.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;
class QTableWidget;
class QTextBrowser;

namespace kit {
class Canvas;
}

namespace slopes {

// A typed function with a point P dragged along its graph: the secant through P and a second
// point h further on, turning into the tangent as h shrinks (the difference quotients in a
// table), the tangent's equation, the derivative worked out rule by rule and drawn beside the
// function, what f′ and f″ tell about f, and a field where the learner's own derivative is
// checked.
class SlopesExplore : public QWidget {
    Q_OBJECT
  public:
    explicit SlopesExplore(QWidget* parent = nullptr);

  public slots:
    void refresh();
    void movePoint(double a);
    void updateSecant();
    void checkOwnDerivative();
    void chooseExample(int index);

  private:
    QWidget* makeInputs();
    QWidget* makeOwnDerivative();
    double h() const;
    void showSteps();
    void showStudy();
    void showError(const QString& message);

    QComboBox* examples_;
    QLineEdit* functionField_;
    QLabel* error_;
    kit::Canvas* plot_;
    kit::Canvas* derivativePlot_;
    QSlider* hSlider_;
    QCheckBox* fromLeft_;
    QLabel* secantLabel_;
    QLabel* tangentLabel_;
    QTableWidget* quotients_;
    QTextBrowser* steps_;
    QTextBrowser* study_;
    QLineEdit* ownField_;
    QLabel* ownVerdict_;
    SecantFigure figure_;
    DerivativeFigure derivativeFigure_;
};

} // namespace slopes
