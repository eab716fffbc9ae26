#pragma once

#include "areas/core/area_between.h"

#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QTextBrowser;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace areas {

// The area between two typed curves on a typed [a, b], shaded piece by piece between the
// crossings; a button takes a and b from the first and last crossing in view.
class BetweenTab : public QWidget {
    Q_OBJECT
  public:
    explicit BetweenTab(QWidget* parent = nullptr);
    const std::optional<AreaBetween>& result() const { return result_; }

  public slots:
    void recompute();
    void useCrossings();

  private:
    void paint(QPainter& painter, const kit::CanvasTransform& t) const;

    QLineEdit* fField_;
    QLineEdit* gField_;
    QLineEdit* lowerField_;
    QLineEdit* upperField_;
    QPushButton* crossingsButton_;
    QLabel* message_;
    QTextBrowser* facts_;
    kit::Canvas* canvas_;
    std::optional<kit::Expression> f_, g_;
    std::optional<Interval> interval_;
    std::optional<AreaBetween> result_;
};

} // namespace areas
