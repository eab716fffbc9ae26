#pragma once

#include "mappings/core/relation.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QToolButton;

namespace mappings {

class RelationDiagram;

// A relation on {1, ..., n} as a matrix of buttons to click and as a diagram; its four
// properties are tested at once with the breaking pair or triple, its closures one click away,
// its equivalence classes or its Hasse diagram shown when it is one.
class RelationExplorer : public QWidget {
    Q_OBJECT
  public:
    explicit RelationExplorer(QWidget* parent = nullptr);
    const Relation& relation() const { return relation_; }
    void setRelation(const Relation& relation);
    void applyPreset(int index);
    QString reportText() const;
    QToolButton* cell(int a, int b) const;
    RelationDiagram* diagram() const { return diagram_; }

  private:
    void resize(int size);
    void refresh();
    QString propertiesHtml(std::vector<int>& highlighted) const;

    Relation relation_{4};
    QSpinBox* sizeBox_;
    QComboBox* presets_;
    std::vector<QToolButton*> cells_;
    std::vector<QLabel*> headings_; // the row and column numbers, in pairs
    QCheckBox* hasseBox_;
    RelationDiagram* diagram_;
    QLabel* report_;
};

} // namespace mappings
