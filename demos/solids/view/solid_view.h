#pragma once

#include "solids/core/mesh.h"

#include <QColor>
#include <QPointF>
#include <QWidget>
#include <array>

namespace solids {

// A solid drawn with shaded faces, the nearest faces painted last (painter's algorithm; a
// convex solid needs only its faces turned towards the viewer). Dragging turns it, and so do
// the arrow keys in steps of 5 degrees; Home brings back the first view. With the dual shown,
// the solid becomes glass with the dual inside it, its corners at the solid's face centres.
class SolidView : public QWidget {
    Q_OBJECT
  public:
    explicit SolidView(QWidget* parent = nullptr);

    void setSolid(Mesh solid, Mesh dual, QColor colour, QColor dualColour);
    void setDualShown(bool shown);
    void setCornerMarked(bool marked);
    // Turns the solid about the screen's vertical axis and then its horizontal axis (degrees).
    void turnBy(double aboutVertical, double aboutHorizontal);
    void resetView();

    // Where a point of the solid lands on the widget at the present view, and how near it is
    // (larger is nearer the viewer).
    QPointF project(Point3 p) const;
    double nearness(Point3 p) const;
    // The faces of the solid turned towards the viewer now.
    int facesInSight() const;
    // The corner whose faces are marked: the one nearest the viewer.
    int markedCorner() const;

    QSize sizeHint() const override { return {460, 400}; }
    QSize minimumSizeHint() const override { return {220, 200}; }

  signals:
    void turned();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

  private:
    Point3 turned(Point3 p) const;
    double scale() const;
    void drawFaces(QPainter& painter, const Mesh& mesh, QColor colour, int alpha) const;
    void drawHiddenEdges(QPainter& painter, const Mesh& mesh) const;
    void drawMarkedCorner(QPainter& painter) const;

    Mesh solid_, dual_;
    QColor colour_, dualColour_;
    bool dualShown_ = false;
    bool cornerMarked_ = false;
    std::array<double, 9> rotation_{};
    QPointF lastMouse_;
};

} // namespace solids
