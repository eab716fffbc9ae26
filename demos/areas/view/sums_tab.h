#pragma once

#include "areas/core/definite_integral.h"
#include "areas/core/riemann_sum.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPainter;
class QSlider;
class QTextBrowser;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace areas {

// A typed f on a typed [a, b]: the pieces of the chosen sum drawn under the graph with n on a
// slider, every rule's value beside the exact (or numeric) integral and its error.
class SumsTab : public QWidget {
    Q_OBJECT
  public:
    explicit SumsTab(QWidget* parent = nullptr);
    const std::optional<RiemannSum>& shownSum() const { return sum_; }
    const std::optional<DefiniteIntegral>& integral() const { return integral_; }

  public slots:
    void recompute();
    void updateSums();

  private:
    SumRule rule() const;
    void fitView();
    void paint(QPainter& painter, const kit::CanvasTransform& t) const;

    QLineEdit* functionField_;
    QLineEdit* lowerField_;
    QLineEdit* upperField_;
    QComboBox* ruleChooser_;
    QSlider* piecesSlider_;
    QLabel* piecesLabel_;
    QLabel* message_;
    QTextBrowser* facts_;
    kit::Canvas* canvas_;
    std::optional<kit::Expression> f_;
    std::optional<Interval> interval_;
    std::optional<DefiniteIntegral> integral_;
    std::optional<RiemannSum> sum_;
    QString integralText_;
};

} // namespace areas
