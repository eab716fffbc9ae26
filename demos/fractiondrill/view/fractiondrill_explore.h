#pragma once

#include <QTabWidget>

namespace fractiondrill {

class DrillTab;

// The explore area: fraction pictures, operations, and the drill.
class FractionExplore : public QTabWidget {
    Q_OBJECT
  public:
    explicit FractionExplore(QWidget* parent = nullptr);
    DrillTab* drill() const { return drill_; }

  private:
    DrillTab* drill_;
};

} // namespace fractiondrill
