#include "grids2/view/system_tab.h"

#include "grids2/core/linear_system.h"
#include "grids2/view/typed_matrix_field.h"
#include "matrixkit/core/matrix_input.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBrowser>

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
    auto* label = new QLabel(tr("&Augmented matrix [A | b], one equation per line (the last "
                                "number of a line is its right-hand side):"),
                             this);
    label->setWordWrap(true);
    layOutMatrixTab(this, label, field_, message_, view_);
    connect(field_, &QPlainTextEdit::textChanged, this, &SystemTab::recompute);
    recompute();
}

void SystemTab::recompute() {
    showTypedMatrix(
        *field_, *message_, *view_,
        [this](const matrixkit::Matrix& augmented) {
            return augmented.cols() < 2
                       ? tr("type at least one coefficient and the right-hand side in each row")
                       : QString();
        },
        systemPage);
}

} // namespace grids2
