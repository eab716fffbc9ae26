#pragma once

#include "kit/view/demo_definition.h"

#include <QTabWidget>

namespace collections {

class VennTab;
class SubsetsTab;
class NotationTab;

// The explore area: the Venn diagram, subsets with the power set and the Cartesian product,
// and set-builder notation.
class CollectionsExplore : public QTabWidget {
    Q_OBJECT
  public:
    explicit CollectionsExplore(QWidget* parent = nullptr);
    VennTab* venn() { return venn_; }
    SubsetsTab* subsets() { return subsets_; }
    NotationTab* notation() { return notation_; }

  private:
    VennTab* venn_;
    SubsetsTab* subsets_;
    NotationTab* notation_;
};

// The whole program: title, lesson, explore area and exercises.
kit::DemoDefinition demoDefinition();

} // namespace collections
