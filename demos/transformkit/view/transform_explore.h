#pragma once

#include "transformkit/core/transformation.h"

#include <QWidget>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QPainter;
class QSpinBox;
class QTextBrowser;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace transformkit {

class ParameterRow;

// The explore area of every transformation program: a polygon on a grid whose vertices are
// dragged (snapping to the grid), the transformation's parameters typed or dragged, the image
// drawn with its vertices A′, B′, ... joined to A, B, ..., and beside it the rule, the exact
// images and what is kept; a second transformation of the same kind may follow, and then the
// page says what the two together are.
class TransformExplore : public QWidget {
    Q_OBJECT
  public:
    explicit TransformExplore(TransformKind kind, QWidget* parent = nullptr);

    std::vector<ExactPoint> polygon() const;
    std::optional<Transformation> first() const;
    std::optional<Transformation> second() const;
    ParameterRow* firstRow() const { return first_; }
    ParameterRow* secondRow() const { return second_; }

  public slots:
    void refresh();

  private:
    void setVertexCount(int count);
    void pointMoved(const QString& id, QPointF position);
    void placeHandles();
    void paint(QPainter& painter, const kit::CanvasTransform& t) const;
    void paintGuides(QPainter& painter, const kit::CanvasTransform& t,
                     const Transformation& transformation) const;

    TransformKind kind_;
    kit::Canvas* canvas_;
    QSpinBox* vertexCount_;
    ParameterRow* first_;
    QCheckBox* compose_;
    ParameterRow* second_;
    QLabel* error_;
    QTextBrowser* explain_;
    bool mirrorShown_ = false;
    QPointF mirrorM_{-2, -3};
    QPointF mirrorN_{3, 1};
};

} // namespace transformkit
