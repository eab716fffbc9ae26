#pragma once

#include <QTabWidget>

namespace fieldsplus {

class FieldTablesTab;
class InverseTab;
class CharacteristicTab;
class FieldOfFourTab;
class EquationTab;

// The explore area: Z_n as a field or not, inverses by Euclid, the characteristic, the field
// of four elements, and ax + b = c.
class FieldsplusExplore : public QTabWidget {
    Q_OBJECT
  public:
    explicit FieldsplusExplore(QWidget* parent = nullptr);
    FieldTablesTab* tablesTab() { return tables_; }
    InverseTab* inverseTab() { return inverse_; }
    CharacteristicTab* characteristicTab() { return characteristic_; }
    FieldOfFourTab* fourTab() { return four_; }
    EquationTab* equationTab() { return equation_; }

  private:
    FieldTablesTab* tables_;
    InverseTab* inverse_;
    CharacteristicTab* characteristic_;
    FieldOfFourTab* four_;
    EquationTab* equation_;
};

} // namespace fieldsplus
