#pragma once

#include "kit/view/canvas_transform.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace kit {

// A drawing area in world coordinates: grid, axes with ticks and labels, pan (drag empty
// space, or Shift+arrows), zoom (wheel, + and -, Home resets), draggable points that snap to a
// step, and a paint hook for what a demonstration draws. Keyboard: Space selects the next
// point, arrows move the selected point by its snap step.
class Canvas : public QWidget {
    Q_OBJECT
  public:
    using PaintCallback = std::function<void(QPainter&, const CanvasTransform&)>;

    explicit Canvas(QWidget* parent = nullptr);

    // The world rectangle shown (x from left(), y from top() upwards); also the Home view.
    void setWorldRect(const QRectF& world);
    QRectF worldRect() const { return world_; }
    // Keeps one unit as long on both axes (the world rectangle grows to fit the widget).
    void setEqualAspect(bool equal);
    void setGridVisible(bool visible);
    void setAxesVisible(bool visible);
    void setPanZoomEnabled(bool enabled);
    void setPainterCallback(PaintCallback callback);

    // Points: dragged with the mouse or moved with the arrows, snapped to multiples of snapStep
    // (0: no snapping). Moving a point emits pointMoved.
    void addPoint(const QString& id, QPointF position, double snapStep = 0.0,
                  const QString& label = QString(), QColor colour = QColor());
    void setPointPosition(const QString& id, QPointF position);
    QPointF pointPosition(const QString& id) const;
    void removePoint(const QString& id);
    void clearPoints();
    QString selectedPoint() const;
    // Where a point may go; positions are clamped into it (an empty rectangle allows all).
    void setPointBounds(const QRectF& bounds);

    CanvasTransform transform() const;
    QSize minimumSizeHint() const override { return {240, 180}; }
    QSize sizeHint() const override { return {520, 420}; }

  public slots:
    void zoomBy(double factor);
    void resetView();

  signals:
    void pointMoved(const QString& id, QPointF position);
    void viewChanged();

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    // Draws what the demonstration adds; by default calls the painter callback.
    virtual void paintWorld(QPainter& painter, const CanvasTransform& transform);

  private:
    struct Point {
        QString id;
        QPointF position;
        double snap = 0.0;
        QString label;
        QColor colour;
    };

    QRectF visibleWorld() const;
    // The grid and axes only change with the view: they are drawn once into an image and reused
    // while points are dragged.
    void paintBackground(QPainter& painter, const CanvasTransform& t);
    void invalidateBackground() { backgroundValid_ = false; }
    void paintGrid(QPainter& painter, const CanvasTransform& t) const;
    void paintAxes(QPainter& painter, const CanvasTransform& t) const;
    void paintPoints(QPainter& painter, const CanvasTransform& t) const;
    int pointAt(QPointF pixel) const;
    void movePointTo(int index, QPointF world);
    void panByPixels(QPointF delta);

    QRectF home_{-10, -10, 20, 20};
    QRectF world_{-10, -10, 20, 20};
    QRectF pointBounds_;
    bool equalAspect_ = true;
    bool gridVisible_ = true;
    bool axesVisible_ = true;
    bool panZoom_ = true;
    PaintCallback callback_;
    std::vector<Point> points_;
    int selected_ = -1;
    int dragging_ = -1;
    bool panning_ = false;
    QPointF lastMouse_;
    QImage background_;
    bool backgroundValid_ = false;
};

// A tick step of 1, 2 or 5 times a power of ten, about minimumPixels apart at this scale.
double niceTickStep(double pixelsPerUnit, double minimumPixels);

} // namespace kit
