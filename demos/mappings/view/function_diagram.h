#pragma once

#include "mappings/core/function_map.h"

#include <QWidget>

namespace mappings {

// f drawn from A (left column) to B (right column), one arrow per element of A. Elements of A
// that share an image and elements of B that are no image are drawn in red.
class FunctionDiagram : public QWidget {
    Q_OBJECT
  public:
    explicit FunctionDiagram(QWidget* parent = nullptr);
    void setFunction(const FunctionMap& f);
    QSize sizeHint() const override { return {300, 260}; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QPointF place(int index, int count, double x) const;

    FunctionMap f_;
};

} // namespace mappings
