#include "grids2/view/eigen_tab.h"

#include "grids2/core/eigen_analysis.h"
#include "grids2/view/typed_matrix_field.h"
#include "matrixkit/core/matrix_input.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <cstdio>

namespace grids2 {

namespace {

std::string numericVectorHtml(const std::vector<double>& v) {
    std::string html = "(";
    for (std::size_t i = 0; i < v.size(); ++i) {
        char text[32];
        std::snprintf(text, sizeof text, "%.4f", std::abs(v[i]) < 5e-5 ? 0.0 : v[i]);
        html += (i ? ", " : "") + std::string(text);
    }
    return html + ")";
}

std::string eigenPage(const matrixkit::Matrix& a) {
    const EigenAnalysis e = analyseEigen(a);
    std::string html = "<h3>Characteristic polynomial</h3>";
    for (const std::string& step : e.steps)
        html += "<p>" + step + "</p>";
    html += "<h3>Eigenvalues and eigenvectors</h3><table>"
            "<tr><th>&lambda;</th><th>times</th><th>eigenvectors</th><th>check Av = "
            "&lambda;v</th></tr>";
    for (const Eigenvalue& v : e.values) {
        std::string vectors, check;
        if (v.rational) {
            for (const Vector& x : v.exactVectors) {
                vectors += (vectors.empty() ? "" : "<br>") + vectorHtml(x);
                Vector ax(x.size(), 0);
                for (int i = 0; i < a.rows(); ++i)
                    for (int j = 0; j < a.cols(); ++j)
                        ax[static_cast<std::size_t>(i)] +=
                            a.at(i, j) * x[static_cast<std::size_t>(j)];
                check += (check.empty() ? "" : "<br>") + vectorHtml(ax) + " = " + v.valueHtml +
                         "&middot;" + vectorHtml(x);
            }
        } else if (v.real) {
            for (const auto& x : v.numericVectors)
                vectors += numericVectorHtml(x) + " (unit length, rounded)";
            check = "holds to rounding";
        } else {
            vectors = "none in the real plane or space: the map turns every real direction";
        }
        html += "<tr><td>" + v.valueHtml + "</td><td align=\"center\">" +
                std::to_string(v.multiplicity) + "</td><td>" + vectors + "</td><td>" + check +
                "</td></tr>";
    }
    return html + "</table>";
}

} // namespace

EigenTab::EigenTab(QWidget* parent)
    : QWidget(parent), field_(makeMatrixField("eigenField", "2 1\n1 2", this)),
      message_(makeMessageLabel("eigenMessage", this)), view_(makeResultView("eigenView", this)) {
    layOutMatrixTab(this, new QLabel(tr("&Matrix A (2 \u00d7 2 or 3 \u00d7 3):"), this), field_,
                    message_, view_);
    connect(field_, &QPlainTextEdit::textChanged, this, &EigenTab::recompute);
    recompute();
}

void EigenTab::recompute() {
    showTypedMatrix(
        *field_, *message_, *view_,
        [this](const matrixkit::Matrix& a) {
            if (!a.isSquare() || a.rows() < 2 || a.rows() > 3)
                return tr("type a 2 \u00d7 2 or 3 \u00d7 3 matrix (this one is %1)")
                    .arg(QString::fromStdString(matrixkit::sizeText(a)));
            return QString();
        },
        eigenPage);
}

} // namespace grids2
