#pragma once

#include "equations/core/polynomial_algebra.h"

#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QPainter;
class QTextBrowser;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace equations {

// A polynomial typed in: expanded and collected, factored over the rationals, the candidates of
// the rational root theorem, every real root with its multiplicity (exact or numeric), and the
// graph with the roots marked; all of it follows each keystroke.
class PolynomialTab : public QWidget {
    Q_OBJECT
  public:
    explicit PolynomialTab(QWidget* parent = nullptr);

  public slots:
    void refresh();

  private:
    void paint(QPainter& painter, const kit::CanvasTransform& t) const;
    QString factsHtml(const Polynomial& p) const;

    QLineEdit* field_;
    QLabel* error_;
    QTextBrowser* facts_;
    kit::Canvas* canvas_;
    std::optional<Polynomial> polynomial_;
    std::vector<RealRoot> roots_;
};

} // namespace equations
