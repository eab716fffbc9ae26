#include "addmult/view/ring_panel.h"

#include "addmult/core/ring_axioms.h"
#include "addmult/core/special_elements.h"
#include "addmult/view/operation_table_view.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace addmult {

namespace {

QString name(const FiniteRing& ring, int a) {
    return QString::fromStdString(ring.elements[a]).toHtmlEscaped();
}

QString joined(const QStringList& parts) {
    return parts.isEmpty() ? QString("none") : parts.join(", ");
}

QString unitsLine(const FiniteRing& ring, const SpecialElements& s) {
    QStringList parts;
    for (int a : s.units)
        parts << QString("%1 (%1&middot;%2 = %3)")
                     .arg(name(ring, a), name(ring, *inverseOf(ring, a, *s.unity)),
                          name(ring, *s.unity));
    return QString("<p><b>Units</b> (elements with an inverse), %1 of them: %2.</p>")
        .arg(s.units.size())
        .arg(joined(parts));
}

QString zeroDivisorsLine(const FiniteRing& ring, const SpecialElements& s) {
    QStringList parts;
    for (int a : s.zeroDivisors)
        for (int b = 0; b < ring.size(); ++b)
            if (b != *s.zero && (ring.product(a, b) == *s.zero || ring.product(b, a) == *s.zero)) {
                const bool left = ring.product(a, b) == *s.zero;
                parts << QString("%1 (%2&middot;%3 = %4)")
                             .arg(name(ring, a), name(ring, left ? a : b), name(ring, left ? b : a),
                                  name(ring, *s.zero));
                break;
            }
    return QString("<p><b>Zero divisors</b> (a &ne; 0 with a&middot;b = 0 for some b &ne; 0): "
                   "%1.%2</p>")
        .arg(joined(parts),
             s.zeroDivisors.empty()
                 ? QString(" A product of non-zero elements is never zero here.")
                 : QString(" Their rows in the multiplication table show the zero outside "
                           "the zero column."));
}

} // namespace

QString ringSummaryHtml(const FiniteRing& ring) {
    const SpecialElements s = findSpecialElements(ring);
    QString html = QString("<p><b>%1</b> has %2 elements%3.</p>")
                       .arg(QString::fromStdString(ring.name).toHtmlEscaped())
                       .arg(ring.size())
                       .arg(s.commutative ? ", and its multiplication is commutative"
                                          : ", and its multiplication is <b>not</b> commutative");
    if (!s.zero) {
        html += "<p>It has no zero, so it is not a ring.</p>";
        return html;
    }
    html += QString("<p><b>Zero:</b> %1: its row in the addition table repeats the top row.</p>")
                .arg(name(ring, *s.zero));
    if (s.unity)
        html += QString("<p><b>Unity:</b> %1: its row in the multiplication table repeats the "
                        "top row.</p>")
                    .arg(name(ring, *s.unity)) +
                unitsLine(ring, s);
    else
        html += "<p><b>No unity:</b> no row of the multiplication table repeats the top row, so "
                "there are no units either.</p>";
    html += zeroDivisorsLine(ring, s);
    QStringList idempotents;
    for (int e : s.idempotents)
        idempotents << name(ring, e);
    html += QString("<p><b>Idempotents</b> (e&middot;e = e, on the diagonal of the "
                    "multiplication table): %1.</p>")
                .arg(joined(idempotents));
    return html;
}

RingPanel::RingPanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    addition_ = new QRadioButton(tr("&Addition table"), this);
    multiplication_ = new QRadioButton(tr("M&ultiplication table"), this);
    multiplication_->setChecked(true);
    mark_ = new QComboBox(this);
    mark_->setObjectName("markChooser");
    mark_->addItems({tr("zero and unity"), tr("units"), tr("zero divisors"), tr("idempotents")});
    auto* markLabel = new QLabel(tr("Mar&k:"), this);
    markLabel->setBuddy(mark_);
    row->addWidget(addition_);
    row->addWidget(multiplication_);
    row->addStretch(1);
    row->addWidget(markLabel);
    row->addWidget(mark_);
    layout->addLayout(row);
    view_ = new OperationTableView(this);
    view_->setObjectName("ringTable");
    layout->addWidget(view_, 3);
    summary_ = new QTextBrowser(this);
    summary_->setObjectName("ringSummary");
    layout->addWidget(summary_, 2);
    connect(multiplication_, &QRadioButton::toggled, this, &RingPanel::redraw);
    connect(mark_, &QComboBox::currentIndexChanged, this, &RingPanel::redraw);
}

void RingPanel::setRing(const FiniteRing& ring) {
    ring_ = ring;
    summary_->setHtml(ringSummaryHtml(ring_));
    redraw();
}

QString RingPanel::summaryText() const {
    return summary_->toPlainText();
}

void RingPanel::showMultiplication(bool multiplication) {
    (multiplication ? multiplication_ : addition_)->setChecked(true);
}

void RingPanel::chooseMark(int index) {
    mark_->setCurrentIndex(index);
}

void RingPanel::redraw() {
    view_->setRing(ring_, multiplication_->isChecked()
                              ? OperationTableView::Operation::Multiplication
                              : OperationTableView::Operation::Addition);
    const SpecialElements s = findSpecialElements(ring_);
    std::set<int> marked;
    switch (mark_->currentIndex()) {
    case 0:
        if (s.zero)
            marked.insert(*s.zero);
        if (s.unity)
            marked.insert(*s.unity);
        break;
    case 1:
        marked.insert(s.units.begin(), s.units.end());
        break;
    case 2:
        marked.insert(s.zeroDivisors.begin(), s.zeroDivisors.end());
        break;
    default:
        marked.insert(s.idempotents.begin(), s.idempotents.end());
    }
    view_->setMarked(std::move(marked));
}

} // namespace addmult
