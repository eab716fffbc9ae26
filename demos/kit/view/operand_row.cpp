#include "kit/view/operand_row.h"

#include <QHBoxLayout>
#include <QLabel>

namespace kit {

QHBoxLayout* operandRow(QWidget* parent, QWidget* first, QWidget* between, QWidget* second) {
    auto* firstLabel = new QLabel(QObject::tr("&a ="), parent);
    firstLabel->setBuddy(first);
    auto* secondLabel = new QLabel(QObject::tr("&b ="), parent);
    secondLabel->setBuddy(second);
    auto* row = new QHBoxLayout;
    row->addWidget(firstLabel);
    row->addWidget(first);
    if (between)
        row->addWidget(between);
    row->addWidget(secondLabel);
    row->addWidget(second);
    row->addStretch();
    return row;
}

} // namespace kit
