#pragma once

#include <QWidget>

namespace signednumbers2 {

// A clock with n hours 0 .. n-1: the hours of a and b are marked, and a's walk from 0 is drawn
// as a spiral of full turns so that congruent numbers visibly end on the same hour. Clicking an
// hour sets a there (keeping its number of turns).
class ClockFace : public QWidget {
    Q_OBJECT
  public:
    explicit ClockFace(QWidget* parent = nullptr);
    void setNumbers(long n, long a, long b);
    QSize minimumSizeHint() const override { return {220, 220}; }
    QSize sizeHint() const override { return {360, 360}; }

  signals:
    void hourClicked(long hour);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QPointF hourPosition(long hour, double radius) const;
    QPointF centre() const;
    double radius() const;

    long n_ = 12;
    long a_ = 14;
    long b_ = 2;
};

} // namespace signednumbers2
