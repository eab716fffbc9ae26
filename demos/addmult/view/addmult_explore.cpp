#include "addmult/view/addmult_explore.h"

#include "addmult/view/other_rings_tab.h"
#include "addmult/view/own_table_tab.h"
#include "addmult/view/ring_tables_tab.h"

namespace addmult {

AddmultExplore::AddmultExplore(QWidget* parent)
    : QTabWidget(parent), tables_(new RingTablesTab(this)), other_(new OtherRingsTab(this)),
      own_(new OwnTableTab(this)) {
    setObjectName("explore");
    addTab(tables_, tr("&Tables of Z_n"));
    addTab(other_, tr("Ot&her rings"));
    addTab(own_, tr("&Your own tables"));
}

} // namespace addmult
