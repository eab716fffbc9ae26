#include "grids2/view/system_tab.h"

#include "grids2/core/linear_system.h"
#include "grids2/view/typed_matrix_field.h"
#include "matrixkit/core/matrix_input.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <exception>

namespace grids2 {

namespace {

std::string systemPage(const matrixkit::Matrix& augmented) {
    const int n = augmented.cols() - 1;
    std::string html = "<h3>The equations</h3><p>";
    for (const std::string& line : equationsHtml(augmented))
        html += line + "<br>";
    html += "</p><h3>Gaussian elimination on [A | b]</h3>";
    const SystemSolution s = solveSystem(augmented);
    html += matrixkit::reductionHtml(s.reduction, n);
    html += "<h3>Rank and solutions</h3>" + conclusionHtml(s);
    html += "<h3>Cramer's rule</h3>";
    const CramerWork work = cramer(augmented);
    if (!work.applies)
        return html + "<p>" + work.reason + ".</p>";
    for (const std::string& step : work.steps)
        html += "<p>" + step + "</p>";
    return html + "<p>The same solution as by elimination: " + vectorHtml(work.values) + ".</p>";
}

} // namespace

SystemTab::SystemTab(QWidget* parent)
    : QWidget(parent), field_(makeMatrixField("systemField", "1 1 1 6\n0 2 5 -4\n2 5 -1 27", this)),
      message_(makeMessageLabel("systemMessage", this)), view_(makeResultView("systemView", this)) {
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("&Augmented matrix [A | b], one equation per line (the last "
                                "number of a line is its right-hand side):"),
                             this);
    label->setWordWrap(true);
    label->setBuddy(field_);
    layout->addWidget(label);
    layout->addWidget(field_);
    layout->addWidget(message_);
    layout->addWidget(view_, 1);
    connect(field_, &QPlainTextEdit::textChanged, this, &SystemTab::recompute);
    recompute();
}

void SystemTab::recompute() {
    try {
        const auto typed = matrixkit::parseMatrix(field_->toPlainText().toStdString());
        if (!typed.ok()) {
            message_->setText(QString::fromStdString(typed.error().message));
            view_->setHtml(tr("<p>Correct the matrix as the message in red says.</p>"));
            return;
        }
        if (typed.value().cols() < 2) {
            message_->setText(
                tr("type at least one coefficient and the right-hand side in each row"));
            return;
        }
        message_->clear();
        view_->setHtml(QString::fromStdString(systemPage(typed.value())));
    } catch (const std::exception& error) {
        message_->setText(QString::fromUtf8(error.what()));
    }
}

} // namespace grids2
