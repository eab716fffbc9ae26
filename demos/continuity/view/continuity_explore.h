#pragma once

#include "continuity/core/point_kind.h"
#include "continuity/view/limit_plot.h"

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSlider;
class QTableWidget;
class QTextBrowser;

namespace kit {
class Canvas;
}

namespace continuity {

// A typed function studied at a typed point a: its graph around a, tables of values from
// the left and the right, the one-sided limits and the limits at infinity (exact by series
// and numeric, compared), the kind of discontinuity, and the ε–δ game with its bands.
class ContinuityExplore : public QWidget {
    Q_OBJECT
  public:
    explicit ContinuityExplore(QWidget* parent = nullptr);

  public slots:
    void refresh();
    void playDelta();
    void findDelta();
    void chooseExample(int index);

  private:
    QWidget* makeInputs();
    QWidget* makeGame();
    void fillTables(const kit::Expression& f, const kit::Expression& a);
    void showFacts(const kit::Expression& f);
    void showError(const QString& message);
    double delta() const;

    QComboBox* examples_;
    QLineEdit* functionField_;
    QLineEdit* pointField_;
    QLabel* error_;
    kit::Canvas* canvas_;
    QTableWidget* leftTable_;
    QTableWidget* rightTable_;
    QTextBrowser* facts_;
    QDoubleSpinBox* epsilonBox_;
    QSlider* deltaSlider_;
    QLabel* deltaLabel_;
    QLabel* gameVerdict_;
    LimitFigure figure_;
    std::optional<kit::Expression> point_;
    std::optional<PointStudy> study_;
};

} // namespace continuity
