#include "fieldsplus/view/field_of_four_tab.h"

#include "addmult/core/special_elements.h"
#include "addmult/view/operation_table_view.h"
#include "fieldsplus/core/field_of_four.h"

#include <QHBoxLayout>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace fieldsplus {

FieldOfFourTab::FieldOfFourTab(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* tables = new QHBoxLayout;
    addition_ = new addmult::OperationTableView(this);
    addition_->setObjectName("fourAddition");
    multiplication_ = new addmult::OperationTableView(this);
    multiplication_->setObjectName("fourMultiplication");
    const addmult::FiniteRing field = fieldOfFour();
    addition_->setRing(field, addmult::OperationTableView::Operation::Addition);
    multiplication_->setRing(field, addmult::OperationTableView::Operation::Multiplication);
    multiplication_->setMarked({1, 2, 3});
    tables->addWidget(addition_);
    tables->addWidget(multiplication_);
    layout->addLayout(tables, 2);
    explanation_ = new QTextBrowser(this);
    explanation_->setObjectName("fourExplanation");
    QString inverses;
    for (int x = 1; x < 4; ++x) {
        const int y = *addmult::inverseOf(field, x, 1);
        const QString name = QString::fromStdString(field.elements[x]);
        inverses += QString("%1<sup>&minus;1</sup> = %2 &nbsp; ")
                        .arg(name.size() > 1 ? "(" + name + ")" : name,
                             QString::fromStdString(field.elements[y]));
    }
    explanation_->setHtml(
        tr("<p>The elements are 0, 1, a and a+1: the polynomials c<sub>1</sub>a + c<sub>0</sub> "
           "with coefficients in Z<sub>2</sub>. Addition adds coefficients modulo 2, so every "
           "element is its own negative (the diagonal of the addition table is 0). "
           "Multiplication multiplies the polynomials and replaces a&sup2; by a + 1, because a "
           "is a root of x&sup2; + x + 1, which has no root in Z<sub>2</sub>.</p>"
           "<p><b>Every non-zero element has an inverse:</b> %1 &mdash; each non-zero row of the "
           "multiplication table contains 1, so this is a field.</p>"
           "<p><b>Not Z<sub>4</sub>:</b> Z<sub>4</sub> has four elements too, but 2&middot;2 = 0 "
           "there. In this field 1 + 1 = 0, so its characteristic is 2, while Z<sub>4</sub> has "
           "characteristic 4.</p>")
            .arg(inverses));
    layout->addWidget(explanation_, 1);
}

QString FieldOfFourTab::explanationText() const {
    return explanation_->toPlainText();
}

} // namespace fieldsplus
