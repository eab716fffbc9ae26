#pragma once

#include <QTabWidget>

namespace addmult {

class RingTablesTab;
class OtherRingsTab;
class OwnTableTab;

// The explore area: the tables of Z_n, other small rings, and the learner's own tables.
class AddmultExplore : public QTabWidget {
    Q_OBJECT
  public:
    explicit AddmultExplore(QWidget* parent = nullptr);
    RingTablesTab* tablesTab() { return tables_; }
    OtherRingsTab* otherTab() { return other_; }
    OwnTableTab* ownTab() { return own_; }

  private:
    RingTablesTab* tables_;
    OtherRingsTab* other_;
    OwnTableTab* own_;
};

} // namespace addmult
