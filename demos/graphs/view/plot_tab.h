#pragma once

#include "kit/core/expression_input.h"

#include <QWidget>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPainter;
class QTextBrowser;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace graphs {

// Up to three functions typed and plotted together, a trace point dragged along one of them
// showing its abscissa and ordinate, and the domain and range of each.
class PlotTab : public QWidget {
    Q_OBJECT
  public:
    explicit PlotTab(QWidget* parent = nullptr);

  public slots:
    void refresh();
    void moveTrace(double x);

  private:
    void paint(QPainter& painter, const kit::CanvasTransform& t) const;
    QString factsHtml() const;
    const kit::Expression* traced() const;

    std::array<QLineEdit*, 3> fields_{};
    std::array<QLabel*, 3> errors_{};
    std::array<std::optional<kit::Expression>, 3> functions_;
    QComboBox* traceChooser_;
    QLabel* traceLabel_;
    QTextBrowser* facts_;
    kit::Canvas* canvas_;
};

} // namespace graphs
