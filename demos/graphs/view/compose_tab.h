#pragma once

#include "kit/core/expression_input.h"

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

namespace graphs {

// f and g typed: f∘g and g∘f written out and f∘g drawn, and the graph of f reflected in the
// line y = x, which is the graph of the inverse where f is one-to-one.
class ComposeTab : public QWidget {
    Q_OBJECT
  public:
    explicit ComposeTab(QWidget* parent = nullptr);

  public slots:
    void refresh();

  private:
    void paint(QPainter& painter, const kit::CanvasTransform& t) const;
    QString factsHtml() const;

    QLineEdit* fField_;
    QLineEdit* gField_;
    QLabel* error_;
    QTextBrowser* facts_;
    kit::Canvas* canvas_;
    std::optional<kit::Expression> f_, g_, composed_;
};

} // namespace graphs
