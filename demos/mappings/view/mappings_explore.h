#pragma once

#include "kit/view/demo_definition.h"

#include <QTabWidget>

namespace mappings {

class RelationExplorer;
class FunctionExplorer;
class OperationExplorer;

// The explore area: relations, functions and operation tables.
class MappingsExplore : public QTabWidget {
    Q_OBJECT
  public:
    explicit MappingsExplore(QWidget* parent = nullptr);
    RelationExplorer* relations() { return relations_; }
    FunctionExplorer* functions() { return functions_; }
    OperationExplorer* operations() { return operations_; }

  private:
    RelationExplorer* relations_;
    FunctionExplorer* functions_;
    OperationExplorer* operations_;
};

// The whole program: title, lesson, explore area and exercises.
kit::DemoDefinition demoDefinition();

} // namespace mappings
