#include "grids/view/grids_explore.h"

#include "grids/core/matrix_operations.h"
#include "kit/core/number_input.h"
#include "kit/view/course_colours.h"
#include "kit/view/lesson_style.h"
#include "matrixkit/core/matrix_input.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <exception>

namespace grids {

namespace {

QLabel* messageLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setStyleSheet(QString("color: %1;").arg(kit::wrongColour().name()));
    return label;
}

// Shows the fault of one typed value beside its field (nothing when it was read).
template <class T> void report(const kit::Parsed<T>& parsed, QLabel* label) {
    label->setText(parsed.ok() ? QString() : QString::fromStdString(parsed.error().message));
}

} // namespace

GridsExplore::GridsExplore(QWidget* parent) : QWidget(parent) {
    setObjectName("gridsExplore");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeInputs());
    result_ = new QTextBrowser(this);
    result_->setObjectName("resultView");
    result_->document()->setDefaultStyleSheet(kit::lessonStyleSheet());
    layout->addWidget(result_, 1);
    connect(fieldA_, &QPlainTextEdit::textChanged, this, &GridsExplore::recompute);
    connect(fieldB_, &QPlainTextEdit::textChanged, this, &GridsExplore::recompute);
    connect(fieldK_, &QLineEdit::textChanged, this, &GridsExplore::recompute);
    connect(operation_, &QComboBox::currentIndexChanged, this, &GridsExplore::recompute);
    recompute();
}

QPlainTextEdit* GridsExplore::makeMatrixField(const char* name, const QString& text) {
    auto* field = new QPlainTextEdit(text, this);
    field->setObjectName(name);
    field->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    field->setTabChangesFocus(true);
    field->setFixedHeight(field->fontMetrics().lineSpacing() * 6 + 12);
    return field;
}

QWidget* GridsExplore::makeInputs() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    fieldA_ = makeMatrixField("matrixA", "1 2 0\n-1 3 1\n2 0 4");
    fieldB_ = makeMatrixField("matrixB", "2 1 1/2\n0 -1 3\n1 1 1");
    fieldK_ = new QLineEdit("3", box);
    fieldK_->setObjectName("scalarField");
    fieldK_->setMaximumWidth(90);
    messageA_ = messageLabel("messageA", box);
    messageB_ = messageLabel("messageB", box);
    messageK_ = messageLabel("messageK", box);
    operation_ = new QComboBox(box);
    operation_->setObjectName("operationChooser");
    for (const OperationChoice& choice : operationChoices())
        operation_->addItem(QString::fromUtf8(choice.label));
    auto* a = new QLabel(tr("&A (one row per line, up to 6 \u00d7 6):"), box);
    a->setBuddy(fieldA_);
    auto* b = new QLabel(tr("&B:"), box);
    b->setBuddy(fieldB_);
    auto* k = new QLabel(tr("&k:"), box);
    k->setBuddy(fieldK_);
    auto* op = new QLabel(tr("&Operation:"), box);
    op->setBuddy(operation_);
    grid->addWidget(a, 0, 0);
    grid->addWidget(b, 0, 1);
    grid->addWidget(fieldA_, 1, 0);
    grid->addWidget(fieldB_, 1, 1);
    grid->addWidget(messageA_, 2, 0);
    grid->addWidget(messageB_, 2, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(op);
    row->addWidget(operation_, 1);
    row->addSpacing(12);
    row->addWidget(k);
    row->addWidget(fieldK_);
    grid->addLayout(row, 3, 0, 1, 2);
    grid->addWidget(messageK_, 4, 0, 1, 2);
    return box;
}

void GridsExplore::recompute() {
    try {
        showResult();
    } catch (const std::exception& error) {
        result_->setHtml(QString("<p>%1</p>").arg(QString::fromUtf8(error.what()).toHtmlEscaped()));
    }
}

void GridsExplore::showResult() {
    const OperationChoice& choice =
        operationChoices()[static_cast<std::size_t>(std::max(0, operation_->currentIndex()))];
    const auto a = matrixkit::parseMatrix(fieldA_->toPlainText().toStdString());
    const auto b = matrixkit::parseMatrix(fieldB_->toPlainText().toStdString());
    const auto k = kit::parseRational(fieldK_->text().toStdString());
    report(a, messageA_);
    report(b, messageB_);
    report(k, messageK_);
    fieldB_->setEnabled(choice.needsB);
    fieldK_->setEnabled(choice.needsK);
    const bool usable = a.ok() && (!choice.needsB || b.ok()) && (!choice.needsK || k.ok());
    if (!usable) {
        result_->setHtml("<p>" +
                         tr("Correct the typed value marked in red to see %1.")
                             .arg(QString::fromUtf8(choice.label)) +
                         "</p>");
        return;
    }
    const matrixkit::Matrix none;
    const OperationResult result =
        explain(choice.operation, a.value(), b.ok() ? b.value() : none, k.ok() ? k.value() : 0);
    result_->setHtml(QString::fromStdString(result.html));
}

} // namespace grids
