#include "fieldsplus/view/fieldsplus_explore.h"

#include "fieldsplus/view/characteristic_tab.h"
#include "fieldsplus/view/equation_tab.h"
#include "fieldsplus/view/field_of_four_tab.h"
#include "fieldsplus/view/field_tables_tab.h"
#include "fieldsplus/view/inverse_tab.h"

namespace fieldsplus {

FieldsplusExplore::FieldsplusExplore(QWidget* parent)
    : QTabWidget(parent), tables_(new FieldTablesTab(this)), inverse_(new InverseTab(this)),
      characteristic_(new CharacteristicTab(this)), four_(new FieldOfFourTab(this)),
      equation_(new EquationTab(this)) {
    setObjectName("explore");
    addTab(tables_, tr("&Field or not"));
    addTab(inverse_, tr("&Inverses"));
    addTab(characteristic_, tr("C&haracteristic"));
    addTab(four_, tr("F&our elements"));
    addTab(equation_, tr("a&x + b = c"));
}

} // namespace fieldsplus
