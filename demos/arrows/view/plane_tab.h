#pragma once

#include "arrows/core/exact_vector.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPainter;
class QTextBrowser;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace arrows {

// Two vectors a and b dragged on the plane, scalars s and t typed, and one construction drawn
// (sum by the parallelogram, difference, multiple, combination, projection, span) while every
// value is listed exactly underneath.
class PlaneTab : public QWidget {
    Q_OBJECT
  public:
    enum class Construction { Sum, Difference, Multiple, Combination, Projection, Span };

    explicit PlaneTab(QWidget* parent = nullptr);
    ExactVector a() const;
    ExactVector b() const;
    Construction construction() const;

  public slots:
    void refresh();

  private:
    void paint(QPainter& painter, const kit::CanvasTransform& t) const;
    void paintSpan(QPainter& painter, const kit::CanvasTransform& t) const;
    bool readScalars();
    QString valuesHtml() const;

    kit::Canvas* canvas_;
    QComboBox* construction_;
    QLineEdit* s_;
    QLineEdit* t_;
    QLabel* scalarError_;
    QTextBrowser* values_;
    mpq_class sValue_ = 2;
    mpq_class tValue_ = -1;
};

} // namespace arrows
