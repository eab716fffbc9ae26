#pragma once

#include <QTabWidget>

namespace graphs {

class PlotTab;
class TransformTab;
class ComposeTab;
class LineTab;

// The explore area: plotting and tracing, transformations, composition and the inverse, and the
// line through two points.
class GraphsExplore : public QTabWidget {
    Q_OBJECT
  public:
    explicit GraphsExplore(QWidget* parent = nullptr);

  private:
    PlotTab* plot_;
    TransformTab* transform_;
    ComposeTab* compose_;
    LineTab* line_;
};

} // namespace graphs
