#include "mappings/view/function_explorer.h"

#include "kit/core/number_input.h"
#include "mappings/core/function_map.h"
#include "mappings/view/function_diagram.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace mappings {

namespace {

struct ReadFunction {
    std::optional<FunctionMap> function;
    QString error;
};

// "2, 3, 1": the values f(1), f(2), ...; each must lie in {1, ..., codomain}.
ReadFunction readValues(const QString& typed, int codomain, const char* name) {
    const auto parsed = kit::parseIntegerList(typed.toStdString());
    if (!parsed.ok())
        return {std::nullopt,
                QString("%1: %2").arg(name, QString::fromStdString(parsed.error().message))};
    if (parsed.value().empty() || parsed.value().size() > 8)
        return {std::nullopt, QString("%1: type from 1 to 8 values").arg(name)};
    FunctionMap f{codomain, {}};
    for (const mpz_class& value : parsed.value()) {
        if (value < 1 || value > codomain)
            return {std::nullopt, QString("%1: %2 is not an element of {1, ..., %3}")
                                      .arg(name, QString::fromStdString(value.get_str()))
                                      .arg(codomain)};
        f.image.push_back(static_cast<int>(value.get_si()));
    }
    return {f, {}};
}

QString verdict(const char* property, const std::optional<Counterexample>& failure) {
    return failure ? QString("<b>%1:</b> <span style=\"color:#c81e1e\">no</span>, %2<br>")
                         .arg(property, QString::fromStdString(failure->reason).toHtmlEscaped())
                   : QString("<b>%1:</b> yes<br>").arg(property);
}

} // namespace

FunctionExplorer::FunctionExplorer(QWidget* parent)
    : QWidget(parent), codomainBox_(new QSpinBox(this)), fField_(new QLineEdit(this)),
      gField_(new QLineEdit(this)), report_(new QLabel(this)), diagram_(new FunctionDiagram(this)) {
    codomainBox_->setObjectName("codomainSize");
    codomainBox_->setRange(1, 8);
    fField_->setObjectName("fValues");
    gField_->setObjectName("gValues");
    report_->setObjectName("functionReport");
    report_->setWordWrap(true);
    report_->setTextFormat(Qt::RichText);
    report_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* form = new QFormLayout;
    form->addRow(tr("B = {1, ..., m} with m ="), codomainBox_);
    form->addRow(tr("f(1), f(2), ... (A to B):"), fField_);
    form->addRow(tr("g(1), g(2), ... (B to A):"), gField_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("The number of values of f is the size of A. Type them "
                                    "separated by commas; everything updates at once."),
                                 this));
    layout->addLayout(form);
    layout->addWidget(report_);
    layout->addWidget(diagram_, 1);
    connect(codomainBox_, &QSpinBox::valueChanged, this, &FunctionExplorer::refresh);
    connect(fField_, &QLineEdit::textChanged, this, &FunctionExplorer::refresh);
    connect(gField_, &QLineEdit::textChanged, this, &FunctionExplorer::refresh);
    setFunctions(4, "2, 4, 1, 3", "3, 3, 1, 2");
}

void FunctionExplorer::setFunctions(int sizeOfB, const QString& fValues, const QString& gValues) {
    const QSignalBlocker a(codomainBox_), b(fField_), c(gField_);
    codomainBox_->setValue(sizeOfB);
    fField_->setText(fValues);
    gField_->setText(gValues);
    refresh();
}

void FunctionExplorer::refresh() {
    const int m = codomainBox_->value();
    const ReadFunction f = readValues(fField_->text(), m, "f");
    if (!f.function) {
        report_->setText("<span style=\"color:#c81e1e\">" + f.error.toHtmlEscaped() + "</span>");
        return;
    }
    diagram_->setFunction(*f.function);
    const int n = f.function->domainSize();
    QString text = QString("f: A = {1, ..., %1} \u2192 B = {1, ..., %2}, ").arg(n).arg(m) +
                   QString::fromStdString(valuesText(*f.function, "f")) + "<br>";
    text += verdict("one-to-one", oneToOneFailure(*f.function));
    text += verdict("onto", ontoFailure(*f.function));
    if (const auto back = inverse(*f.function))
        text += "<b>bijective:</b> yes, so f has an inverse: " +
                QString::fromStdString(valuesText(*back, "f\u207b\u00b9")) + "<br>";
    else
        text += "<b>bijective:</b> no, so f has no inverse function<br>";
    const ReadFunction g = readValues(gField_->text(), n, "g");
    if (!g.function)
        text += "<span style=\"color:#c81e1e\">" + g.error.toHtmlEscaped() + "</span>";
    else if (g.function->domainSize() != m)
        text += QString("<span style=\"color:#c81e1e\">g needs %1 values, one for each element "
                        "of B (%2 typed)</span>")
                    .arg(m)
                    .arg(g.function->domainSize());
    else {
        text +=
            "g \u2218 f (first f, then g): " +
            QString::fromStdString(valuesText(*compose(*g.function, *f.function), "(g\u2218f)")) +
            "<br>";
        text +=
            "f \u2218 g (first g, then f): " +
            QString::fromStdString(valuesText(*compose(*f.function, *g.function), "(f\u2218g)"));
    }
    report_->setText(text);
}

QString FunctionExplorer::reportText() const {
    return report_->text();
}

} // namespace mappings
