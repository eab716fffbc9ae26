#pragma once

#include "addmult/core/finite_ring.h"

#include <QWidget>
#include <set>

namespace addmult {

// One operation table drawn as a grid: the elements along the top and the left, each entry on
// a colour that belongs to its value (equal values, equal colours), so patterns show at a
// glance. Marked elements have their headers in the accent colour. Hovering over a cell says
// what it means.
class OperationTableView : public QWidget {
    Q_OBJECT
  public:
    enum class Operation { Addition, Multiplication };

    explicit OperationTableView(QWidget* parent = nullptr);

    void setRing(const FiniteRing& ring, Operation operation);
    void setMarked(std::set<int> elements);
    Operation operation() const { return operation_; }
    // The sentence a hover over row a, column b shows: "3 · 5 = 3".
    QString cellSentence(int a, int b) const;
    int entry(int a, int b) const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    double cellSize() const;
    QColor colourOf(int value) const;
    const std::vector<std::vector<int>>& table() const;

    FiniteRing ring_;
    Operation operation_ = Operation::Addition;
    std::set<int> marked_;
};

// The colour of value v among k values: hues spread round the circle, pale enough for text.
QColor valueColour(int value, int count);

} // namespace addmult
