#include "signednumbers/view/expression_explorer.h"

#include "signednumbers/core/integer_expression.h"
#include "signednumbers/view/integer_line.h"

#include "kit/core/input_limits.h"
#include "kit/view/course_colours.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace signednumbers {

ExpressionExplorer::ExpressionExplorer(QWidget* parent) : QWidget(parent) {
    field_ = new QLineEdit("-3^2 + 18 / (-6) * 2", this);
    field_->setObjectName("expressionField");
    field_->setMaxLength(static_cast<int>(kit::maxInputLength));
    auto* label =
        new QLabel(tr("&Expression (integers, + - * / ^, parentheses, |absolute value|):"), this);
    label->setBuddy(field_);
    message_ = new QLabel(this);
    message_->setObjectName("expressionMessage");
    message_->setWordWrap(true);
    steps_ = new QTextBrowser(this);
    steps_->setObjectName("expressionSteps");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(field_);
    layout->addWidget(message_);
    layout->addWidget(steps_, 1);
    connect(field_, &QLineEdit::textChanged, this, [this] { recompute(); });
    recompute();
}

void ExpressionExplorer::setExpression(const QString& text) {
    field_->setText(text);
}

QString ExpressionExplorer::stepsText() const {
    return steps_->toPlainText();
}

void ExpressionExplorer::recompute() {
    const EvaluationTrace trace = evaluateStepByStep(field_->text().toStdString());
    QString table = "<table cellpadding=4>";
    for (std::size_t i = 0; i < trace.lines.size(); ++i) {
        const QString reason = i == 0 ? QString("as typed") : html(trace.reasons[i - 1]);
        table += QString("<tr><td align=right>%1</td><td><b>%2</b></td><td><i>%3</i></td></tr>")
                     .arg(i == 0 ? QString() : QString("="), html(trace.lines[i]), reason);
    }
    steps_->setHtml(table + "</table>");
    if (trace.value) {
        message_->setStyleSheet(QString("color: %1").arg(kit::rightColour().name()));
        message_->setText(tr("Value: %1 (%2 steps)")
                              .arg(QString::fromStdString(trace.value->get_str()))
                              .arg(trace.reasons.size()));
    } else {
        message_->setStyleSheet(QString("color: %1").arg(kit::wrongColour().name()));
        message_->setText(html(trace.error));
    }
}

} // namespace signednumbers
