#pragma once

#include "kit/view/demo_definition.h"

#include <QTabWidget>

namespace counting {

class InductionExplorer;
class BaseExplorer;
class DivisibilityExplorer;
class PeanoExplorer;

// The explore area: induction with the dot picture, bases, divisibility rules, Peano.
class CountingExplore : public QTabWidget {
    Q_OBJECT
  public:
    explicit CountingExplore(QWidget* parent = nullptr);
    InductionExplorer* induction() { return induction_; }
    BaseExplorer* bases() { return bases_; }
    DivisibilityExplorer* divisibility() { return divisibility_; }
    PeanoExplorer* peano() { return peano_; }

  private:
    InductionExplorer* induction_;
    BaseExplorer* bases_;
    DivisibilityExplorer* divisibility_;
    PeanoExplorer* peano_;
};

// The whole program: title, lesson, explore area and exercises.
kit::DemoDefinition demoDefinition();

} // namespace counting
