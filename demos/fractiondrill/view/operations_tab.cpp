#include "fractiondrill/view/operations_tab.h"

#include "fractiondrill/core/fraction_operations.h"
#include "fractiondrill/core/fraction_text.h"
#include "fractiondrill/view/fraction_picture.h"

#include "kit/core/number_input.h"
#include "kit/view/course_colours.h"
#include "kit/view/html_text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <optional>

namespace fractiondrill {

using kit::html;
using kit::stepList;
namespace {

// Typed values beyond this size would only make unreadable work, so they are refused.
const mpz_class largestShownPart("1000000000000");

std::optional<mpq_class> readFraction(QLineEdit* field, const QString& name, QString& error) {
    const auto parsed = kit::parseRational(field->text().toStdString());
    if (!parsed.ok()) {
        error = name + ": " + html(parsed.error().message);
        return std::nullopt;
    }
    const mpq_class& value = parsed.value();
    if (abs(value.get_num()) > largestShownPart || value.get_den() > largestShownPart) {
        error = name + ": " + QObject::tr("too large for this demonstration");
        return std::nullopt;
    }
    return value;
}

const Operation operations[] = {Operation::Add, Operation::Subtract, Operation::Multiply,
                                Operation::Divide};

} // namespace

OperationsTab::OperationsTab(QWidget* parent)
    : QWidget(parent), first_(new QLineEdit("5/6", this)), second_(new QLineEdit("3/4", this)),
      operation_(new QComboBox(this)), error_(new QLabel(this)),
      picture_(new FractionPicture(this)), work_(new QTextBrowser(this)) {
    first_->setObjectName("firstFraction");
    second_->setObjectName("secondFraction");
    operation_->setObjectName("operationChooser");
    work_->setObjectName("operationWork");
    operation_->addItems({"+", "\u2212", "\u00d7", "\u00f7"});
    error_->setStyleSheet(QString("color: %1").arg(kit::wrongColour().name()));
    first_->setMaxLength(60);
    second_->setMaxLength(60);

    auto* row = new QHBoxLayout;
    auto* firstLabel = new QLabel(tr("&First:"), this);
    firstLabel->setBuddy(first_);
    auto* secondLabel = new QLabel(tr("&Second:"), this);
    secondLabel->setBuddy(second_);
    row->addWidget(firstLabel);
    row->addWidget(first_);
    row->addWidget(operation_);
    row->addWidget(secondLabel);
    row->addWidget(second_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(
        new QLabel(tr("Type fractions 3/4, mixed numbers 1 3/4 or decimals 0.75."), this));
    layout->addWidget(error_);
    layout->addWidget(picture_, 2);
    layout->addWidget(work_, 3);

    connect(first_, &QLineEdit::textChanged, this, &OperationsTab::refresh);
    connect(second_, &QLineEdit::textChanged, this, &OperationsTab::refresh);
    connect(operation_, &QComboBox::currentIndexChanged, this, &OperationsTab::refresh);
    refresh();
}

void OperationsTab::refresh() {
    QString error;
    const auto a = readFraction(first_, tr("First"), error);
    const auto b = a ? readFraction(second_, tr("Second"), error) : std::nullopt;
    error_->setText(error);
    if (!a || !b) {
        picture_->setRows({});
        work_->clear();
        return;
    }
    const Operation operation = operations[std::max(0, operation_->currentIndex())];
    const mpz_class lcd = commonDenominator(*a, *b);
    const mpz_class scaledA = a->get_num() * (lcd / a->get_den());
    const mpz_class scaledB = b->get_num() * (lcd / b->get_den());
    picture_->setRows(
        {{scaledA, lcd, html(fractionText(*a)) + " = " + html(unreducedText(scaledA, lcd))},
         {scaledB, lcd, html(fractionText(*b)) + " = " + html(unreducedText(scaledB, lcd))}});
    QString text = "<h3>" + html(mixedText(*a)) + " " + html(operationSymbol(operation)) + " " +
                   html(mixedText(*b)) + "</h3>" + stepList(operationSteps(operation, *a, *b));
    const int order = cmp(*a, *b);
    text += "<p><b>Comparison:</b> " + html(a->get_num().get_str()) + " &middot; " +
            html(b->get_den().get_str()) + " = " +
            html(mpz_class(a->get_num() * b->get_den()).get_str()) + " and " +
            html(b->get_num().get_str()) + " &middot; " + html(a->get_den().get_str()) + " = " +
            html(mpz_class(b->get_num() * a->get_den()).get_str()) + ", so " +
            html(fractionText(*a)) +
            (order < 0   ? " &lt; "
             : order > 0 ? " &gt; "
                         : " = ") +
            html(fractionText(*b)) + ".</p>";
    if (order != 0)
        text += "<p><b>Between them</b> lies their average " +
                html(fractionText(mpq_class((*a + *b) / 2))) +
                ", and between that and either end another, and so on for ever: the rationals "
                "are dense.</p>";
    work_->setHtml(text);
}

} // namespace fractiondrill
