#pragma once

#include "addmult/core/finite_ring.h"

#include <QWidget>

class QComboBox;
class QRadioButton;
class QTextBrowser;

namespace addmult {

class OperationTableView;

// A ring shown: its addition or multiplication table coloured by value, the special elements
// chosen in "Mark" framed in the headers, and below what was found with the reason
// (the zero, the unity, units with their inverses, zero divisors with a partner, idempotents).
class RingPanel : public QWidget {
    Q_OBJECT
  public:
    explicit RingPanel(QWidget* parent = nullptr);
    void setRing(const FiniteRing& ring);
    OperationTableView* tableView() { return view_; }
    QString summaryText() const;
    void showMultiplication(bool multiplication);
    void chooseMark(int index); // 0 zero and unity, 1 units, 2 zero divisors, 3 idempotents

  private:
    void redraw();

    FiniteRing ring_;
    QRadioButton* addition_ = nullptr;
    QRadioButton* multiplication_ = nullptr;
    QComboBox* mark_ = nullptr;
    OperationTableView* view_ = nullptr;
    QTextBrowser* summary_ = nullptr;
};

// The special elements of a ring described for the learner, with a reason for each.
QString ringSummaryHtml(const FiniteRing& ring);

} // namespace addmult
