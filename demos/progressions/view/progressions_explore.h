#pragma once

#include "kit/view/canvas_transform.h"

#include <QWidget>
#include <vector>

class QComboBox;
class QLabel;
class QPainter;
class QLineEdit;
class QSpinBox;
class QTextBrowser;

namespace kit {
class Canvas;
}

namespace progressions {

// The explore area: a sequence chosen and typed, its terms (dots) and partial sums (line)
// plotted against n on the canvas, and the facts and convergence verdict beside them.
class ProgressionsExplore : public QWidget {
    Q_OBJECT
  public:
    explicit ProgressionsExplore(QWidget* parent = nullptr);

  private:
    void chooseMode(int index);
    void recompute();
    void paintSequence(QPainter& painter, const kit::CanvasTransform& transform) const;

    QComboBox* modeChooser_;
    QLabel* firstLabel_;
    QLineEdit* firstField_;
    QLabel* ruleLabel_;
    QLineEdit* ruleField_;
    QSpinBox* countField_;
    QLabel* message_;
    QTextBrowser* facts_;
    kit::Canvas* canvas_;
    std::vector<double> terms_;
    std::vector<double> sums_;
};

} // namespace progressions
