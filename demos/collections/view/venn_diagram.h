#pragma once

#include "collections/core/set_expression.h"

#include <QPainterPath>
#include <QString>
#include <QWidget>
#include <vector>

namespace collections {

// A Venn diagram of two or three sets in the rectangle of the universe: the shaded regions
// filled, each set's circle outlined and named, and the elements written in their regions.
class VennDiagram : public QWidget {
    Q_OBJECT
  public:
    struct Element {
        QString label;
        int region = 0;
    };

    explicit VennDiagram(QWidget* parent = nullptr);
    void setSetCount(int setCount);
    void setShaded(RegionMask regions);
    void setElements(std::vector<Element> elements);

    int setCount() const { return setCount_; }
    RegionMask shaded() const { return shaded_; }
    // Where an element is drawn, in widget coordinates (tests check it lies in its region).
    std::vector<QPointF> elementPositions() const;
    // The outline of one region in widget coordinates.
    QPainterPath regionPath(int region) const;

    QSize sizeHint() const override { return {420, 300}; }
    QSize minimumSizeHint() const override { return {260, 190}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRectF universeRect() const;
    QPainterPath circle(int set) const;
    QPointF circleCentre(int set) const;
    double radius() const;

    int setCount_ = 3;
    RegionMask shaded_ = 0;
    std::vector<Element> elements_;
};

} // namespace collections
