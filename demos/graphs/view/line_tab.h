#pragma once

#include <QWidget>

class QPainter;
class QTextBrowser;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace graphs {

// Two points P and Q dragged on the grid (snapping to halves): the line through them, its
// slope worked out as rise over run, its intercepts and its equation.
class LineTab : public QWidget {
    Q_OBJECT
  public:
    explicit LineTab(QWidget* parent = nullptr);

  public slots:
    void refresh();

  private:
    void paint(QPainter& painter, const kit::CanvasTransform& t) const;

    kit::Canvas* canvas_;
    QTextBrowser* facts_;
};

} // namespace graphs
