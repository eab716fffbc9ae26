#pragma once

#include "kit/view/demo_definition.h"

#include <QTabWidget>

namespace signednumbers2 {

class DivisionExplorer;
class ClockExplorer;
class DomainExplorer;
class AbsoluteValueExplorer;

// The explore area: the division algorithm, the clock, the ordered domain and absolute values.
class AdvancedExplore : public QTabWidget {
    Q_OBJECT
  public:
    explicit AdvancedExplore(QWidget* parent = nullptr);
    DivisionExplorer* division() { return division_; }
    ClockExplorer* clock() { return clock_; }
    DomainExplorer* domain() { return domain_; }
    AbsoluteValueExplorer* absoluteValue() { return absolute_; }

  private:
    DivisionExplorer* division_;
    ClockExplorer* clock_;
    DomainExplorer* domain_;
    AbsoluteValueExplorer* absolute_;
};

// The whole program: title, lesson, explore area and exercises.
kit::DemoDefinition demoDefinition();

} // namespace signednumbers2
