#include "signednumbers2/view/division_explorer.h"

#include "signednumbers2/core/division_algorithm.h"

#include "signednumbers/core/integer_text.h"
#include "signednumbers/view/integer_line.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"
#include "kit/view/operand_row.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <cmath>

namespace signednumbers2 {
namespace {

using signednumbers::html;
using signednumbers::integerHtml;
using signednumbers::operandHtml;

constexpr int largestDividend = 200;
constexpr int largestDivisor = 25;

} // namespace

DivisionExplorer::DivisionExplorer(QWidget* parent) : QWidget(parent) {
    dividend_ = new QSpinBox(this);
    dividend_->setObjectName("dividend");
    dividend_->setRange(-largestDividend, largestDividend);
    dividend_->setValue(-17);
    divisor_ = new QSpinBox(this);
    divisor_->setObjectName("divisor");
    divisor_->setRange(-largestDivisor, largestDivisor);
    divisor_->setValue(5);
    auto* controls = kit::operandRow(this, dividend_, nullptr, divisor_);

    line_ = new kit::Canvas(this);
    line_->setObjectName("divisionLine");
    signednumbers::configureIntegerLine(*line_, -30, 30);
    line_->setPointBounds(QRectF(-largestDividend, 0, 2 * largestDividend, 0));
    line_->addPoint("a", QPointF(-17, 0), 1.0, "a", kit::pageColour());

    result_ = new QLabel(this);
    result_->setObjectName("divisionResult");
    result_->setTextFormat(Qt::RichText);
    steps_ = new QTextBrowser(this);
    steps_->setObjectName("divisionSteps");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(line_, 3);
    layout->addWidget(result_);
    layout->addWidget(steps_, 2);
    connect(dividend_, &QSpinBox::valueChanged, this, [this] { recompute(); });
    connect(divisor_, &QSpinBox::valueChanged, this, [this] { recompute(); });
    connect(line_, &kit::Canvas::pointMoved, this, [this](const QString&, QPointF p) {
        if (!updating_)
            dividend_->setValue(static_cast<int>(std::lround(p.x())));
    });
    recompute();
}

void DivisionExplorer::setNumbers(long a, long b) {
    dividend_->setValue(static_cast<int>(a));
    divisor_->setValue(static_cast<int>(b));
}

QString DivisionExplorer::stepsText() const {
    return steps_->toPlainText();
}

void DivisionExplorer::recompute() {
    const long a = dividend_->value();
    const long b = divisor_->value();
    updating_ = true;
    line_->setPointPosition("a", QPointF(static_cast<double>(a), 0));
    updating_ = false;
    if (b == 0) {
        result_->setText(QString("<span style='color:%1'>%2</span>")
                             .arg(kit::wrongColour().name(),
                                  tr("b = 0: there is no division by 0. Choose another b.")));
        steps_->clear();
        line_->setPainterCallback(signednumbers::paintIntegerLine);
        line_->update();
        return;
    }
    const DivisionWithRemainder division = divideWithRemainder(a, b);
    const long q = division.quotient.get_si();
    const long r = division.remainder.get_si();
    const long size = std::labs(b);
    const long multiple = q * b;
    line_->setPainterCallback([size, multiple, a, r](QPainter& painter,
                                                     const kit::CanvasTransform& t) {
        signednumbers::paintIntegerLine(painter, t);
        // The multiples of |b| cut the line into pieces of length |b|.
        const QRectF world = t.world();
        const long first = static_cast<long>(std::floor(world.left() / static_cast<double>(size)));
        const long last = static_cast<long>(std::ceil(world.right() / static_cast<double>(size)));
        painter.setPen(QPen(kit::pageColour(), 2));
        for (long k = first; k <= last && last - first < 400; ++k) {
            const QPointF at = t.toPixels(QPointF(static_cast<double>(k * size), 0));
            painter.drawLine(at + QPointF(0, -18), at);
        }
        const QPointF m = t.toPixels(QPointF(static_cast<double>(multiple), 0));
        painter.setBrush(kit::accentColour());
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(m, 6, 6);
        painter.setPen(kit::accentColour().darker(130));
        painter.drawText(QRectF(m.x() - 60, m.y() + 26, 120, 18), Qt::AlignCenter, "q\u00b7b");
        signednumbers::paintMoveArrow(painter, t, static_cast<double>(multiple),
                                      static_cast<double>(a), 1.6, kit::rightColour(),
                                      QString("r = %1").arg(r));
    });
    line_->update();
    result_->setText(
        "<b>" + html(integerHtml(a)) + " = " + html(operandHtml(division.quotient)) + " &middot; " +
        html(operandHtml(b)) + " + " + html(division.remainder.get_str()) +
        "</b> &nbsp; q = " + html(integerHtml(division.quotient)) +
        ", r = " + html(division.remainder.get_str()) + ", 0 &le; r &lt; " + QString::number(size));
    QString text = "<ol>";
    for (const auto& step : division.steps)
        text += "<li>" + html(step) + "</li>";
    steps_->setHtml(text + "</ol>");
}

} // namespace signednumbers2
