#pragma once

#include "mappings/core/relation.h"

#include <QWidget>

namespace mappings {

// The relation drawn: the elements on a circle with an arrow for each pair (a loop for (a,a)),
// or, for a partial order, its Hasse diagram (minimal elements at the bottom, a line for each
// covering pair). Elements of a counterexample are drawn in red.
class RelationDiagram : public QWidget {
    Q_OBJECT
  public:
    explicit RelationDiagram(QWidget* parent = nullptr);
    void setRelation(const Relation& relation, std::vector<int> highlighted, bool hasse);
    bool showsHasse() const { return hasse_; }
    QSize sizeHint() const override { return {300, 300}; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    std::vector<QPointF> circlePositions() const;
    std::vector<QPointF> hassePositions() const;
    void drawArrows(QPainter& painter, const std::vector<QPointF>& at) const;
    void drawHasse(QPainter& painter, const std::vector<QPointF>& at) const;
    void drawNodes(QPainter& painter, const std::vector<QPointF>& at) const;

    Relation relation_;
    std::vector<int> highlighted_;
    bool hasse_ = false;
};

} // namespace mappings
