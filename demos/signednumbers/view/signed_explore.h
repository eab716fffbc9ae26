#pragma once

#include "kit/view/demo_definition.h"

#include <QTabWidget>

namespace signednumbers {

class NumberLineExplorer;
class SignRulesExplorer;
class ExpressionExplorer;

// The explore area: the number line, the sign rules and the order of operations.
class SignedExplore : public QTabWidget {
    Q_OBJECT
  public:
    explicit SignedExplore(QWidget* parent = nullptr);
    NumberLineExplorer* numberLine() { return numberLine_; }
    SignRulesExplorer* signRules() { return signRules_; }
    ExpressionExplorer* expressions() { return expressions_; }

  private:
    NumberLineExplorer* numberLine_;
    SignRulesExplorer* signRules_;
    ExpressionExplorer* expressions_;
};

// The whole program: title, lesson, explore area and exercises.
kit::DemoDefinition demoDefinition();

} // namespace signednumbers
