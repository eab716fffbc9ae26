#pragma once

#include "decimals/core/root_approximation.h"

#include <QWidget>

namespace decimals {

// One window of the number line: the interval [low, high] with its ten tenths marked and
// labelled, and the number shown where it falls.
class NumberLineView : public QWidget {
    Q_OBJECT
  public:
    explicit NumberLineView(QWidget* parent = nullptr);
    // fraction: where the number lies inside the window, from 0 to 1; places: decimals of the
    // labels.
    void setWindow(Interval window, double fraction, int places, QString numberName);

    QSize sizeHint() const override { return {520, 140}; }
    QSize minimumSizeHint() const override { return {300, 110}; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    Interval window_{0, 1};
    double fraction_ = 0.5;
    int places_ = 1;
    QString name_;
};

} // namespace decimals
