#pragma once

#include "planesurface/core/calculation.h"

#include <QWidget>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

class QPainter;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace planesurface {

// The area calculator: pick a shape and a unit, type its measures, press Calculate (every
// change of a value calculates at once too). The figure is drawn to scale with its measures,
// and the formula, the substitution, the area and the perimeter are written beside it. A value
// that cannot be used gets its message beside its field.
class CalculatorPanel : public QWidget {
    Q_OBJECT
  public:
    explicit CalculatorPanel(QWidget* parent = nullptr);

    Shape shape() const;
    const std::optional<Calculation>& calculation() const { return calculation_; }

  public slots:
    void chooseShape(int index);
    void calculate();

  private:
    struct Field {
        QLabel* label;
        QLineEdit* edit;
        QLabel* error;
    };

    void buildFields();
    void showError(std::size_t field, const QString& message);
    QString resultHtml(const Calculation& c) const;
    QString unit() const;
    void drawScale(QPainter& painter, const kit::CanvasTransform& t) const;

    QComboBox* shapeChooser_;
    QComboBox* unitChooser_;
    std::vector<Field> fields_;
    QPushButton* calculateButton_;
    kit::Canvas* canvas_;
    QTextBrowser* results_;
    std::optional<Calculation> calculation_;
};

} // namespace planesurface
