#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QSpinBox;

namespace mappings {

class FunctionDiagram;

// Functions f from A to B and g from B to A typed as their lists of values: f tested for
// one-to-one, onto and bijective (with the elements that break each), its inverse, and the
// compositions g o f and f o g.
class FunctionExplorer : public QWidget {
    Q_OBJECT
  public:
    explicit FunctionExplorer(QWidget* parent = nullptr);
    void setFunctions(int sizeOfB, const QString& fValues, const QString& gValues);
    QString reportText() const;

  private:
    void refresh();

    QSpinBox* codomainBox_;
    QLineEdit* fField_;
    QLineEdit* gField_;
    QLabel* report_;
    FunctionDiagram* diagram_;
};

} // namespace mappings
