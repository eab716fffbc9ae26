#pragma once

#include <QWidget>

class QCheckBox;
class QDoubleSpinBox;
class QPainter;
class QTextBrowser;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace angles {

// The unit circle with a point P dragged round it: the angle in degrees and radians, cos as
// the abscissa of P, sin as its ordinate, tan as the height where the radius meets the tangent
// line x = 1; exact values at the special angles and the identities checked at the angle.
class UnitCircleTab : public QWidget {
    Q_OBJECT
  public:
    explicit UnitCircleTab(QWidget* parent = nullptr);
    double degrees() const { return degrees_; }

  public slots:
    void setDegrees(double degrees);

  signals:
    void angleChanged(double radians);

  private:
    void dragTo(QPointF p);
    void paint(QPainter& painter, const kit::CanvasTransform& t) const;
    QString factsHtml() const;

    double degrees_ = 30;
    QDoubleSpinBox* degreesField_;
    QCheckBox* snap_;
    QTextBrowser* facts_;
    kit::Canvas* canvas_;
};

} // namespace angles
