#pragma once

#include "equations/core/sign_chart.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPainter;
class QTextBrowser;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace equations {

// p(x)/q(x) compared with 0 (q = 1 for a polynomial inequality): both factored, the sign chart,
// the solution set in interval notation, and the graph with the solution set drawn on the
// x-axis (filled dots belong to it, rings do not) and the zeros of q as dashed lines.
class InequalityTab : public QWidget {
    Q_OBJECT
  public:
    explicit InequalityTab(QWidget* parent = nullptr);

  public slots:
    void refresh();

  private:
    struct Problem {
        Polynomial numerator, denominator;
        SignChart chart;
        SolutionSet solution;
    };
    void paint(QPainter& painter, const kit::CanvasTransform& t) const;
    void paintSolution(QPainter& painter, const kit::CanvasTransform& t) const;
    std::optional<Problem> read();
    QString factsHtml(const Problem& problem) const;
    Relation relation() const;

    QLineEdit* numerator_;
    QLineEdit* denominator_;
    QComboBox* relation_;
    QLabel* error_;
    QTextBrowser* facts_;
    kit::Canvas* canvas_;
    std::optional<Problem> problem_;
};

} // namespace equations
