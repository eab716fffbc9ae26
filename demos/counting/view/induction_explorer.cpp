#include "counting/view/induction_explorer.h"

#include "counting/core/triangular_induction.h"
#include "counting/view/dot_triangle.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace counting {
namespace {

QString list(const std::vector<std::string>& lines, const char* tag) {
    QString text = QString("<%1>").arg(tag);
    for (const auto& line : lines)
        text += "<li>" + QString::fromStdString(line) + "</li>";
    return text + QString("</%1>").arg(tag);
}

} // namespace

InductionExplorer::InductionExplorer(QWidget* parent) : QWidget(parent) {
    n_ = new QSpinBox(this);
    n_->setObjectName("inductionN");
    n_->setRange(1, static_cast<int>(largestInductionN));
    n_->setValue(4);
    auto* label = new QLabel(tr("&n ="), this);
    label->setBuddy(n_);
    copy_ = new QCheckBox(tr("Show the &turned copy"), this);
    copy_->setChecked(true);
    auto* controls = new QHBoxLayout;
    controls->addWidget(label);
    controls->addWidget(n_);
    controls->addWidget(copy_);
    controls->addStretch();

    picture_ = new DotTriangle(this);
    proof_ = new QTextBrowser(this);
    proof_->setObjectName("inductionProof");
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(picture_);
    split->addWidget(proof_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(split, 1);
    connect(n_, &QSpinBox::valueChanged, this, [this] { recompute(); });
    connect(copy_, &QCheckBox::toggled, picture_, &DotTriangle::setCopyShown);
    recompute();
}

void InductionExplorer::setN(long n) {
    n_->setValue(static_cast<int>(n));
}

QString InductionExplorer::proofText() const {
    return proof_->toPlainText();
}

void InductionExplorer::recompute() {
    const long n = n_->value();
    picture_->setN(n);
    const InductionProof proof = sumOfFirstNumbersProof(n);
    QString text;
    if (n > largestPictureN)
        text += QString("<p><i>The picture shows n = %1; the proof below is for n = %2.</i></p>")
                    .arg(largestPictureN)
                    .arg(n);
    text += "<h3>Base case</h3>" + list(proof.baseCase, "ul");
    text += "<h3>Inductive step</h3>" + list(proof.inductiveStep, "ol");
    text += "<h3>From 1 up to n = " + QString::number(n) + ", one successor at a time</h3>" +
            list(proof.chain, "ul");
    text += "<h3>Conclusion</h3>" + list(proof.conclusion, "ul");
    proof_->setHtml(text);
}

} // namespace counting
