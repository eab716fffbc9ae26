#include "signednumbers/view/number_line_explorer.h"

#include "signednumbers/core/integer_text.h"
#include "signednumbers/core/number_line_walk.h"
#include "signednumbers/view/integer_line.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"
#include "kit/view/operand_row.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace signednumbers {
namespace {

constexpr int largestOperand = 40;

QSpinBox* operandBox(QWidget* parent, const char* name, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(-largestOperand, largestOperand);
    box->setValue(value);
    return box;
}

} // namespace

NumberLineExplorer::NumberLineExplorer(QWidget* parent) : QWidget(parent) {
    first_ = operandBox(this, "firstNumber", -3);
    second_ = operandBox(this, "secondNumber", 5);
    operation_ = new QComboBox(this);
    operation_->setObjectName("operation");
    operation_->addItems({"+  (add)", "\u2212  (subtract)"});

    auto* controls = kit::operandRow(this, first_, operation_, second_);

    line_ = new kit::Canvas(this);
    line_->setObjectName("numberLine");
    configureIntegerLine(*line_, -22, 22);
    line_->setPointBounds(QRectF(-2 * largestOperand, 0, 4 * largestOperand, 0));
    line_->addPoint("start", QPointF(-3, 0), 1.0, "a", kit::pageColour());
    line_->addPoint("end", QPointF(2, 0), 1.0, "", kit::accentColour());

    explanation_ = new QLabel(this);
    explanation_->setObjectName("explanation");
    explanation_->setWordWrap(true);
    explanation_->setTextFormat(Qt::RichText);

    auto* hint =
        new QLabel(tr("Drag the start a or the landing point, or select one with Space and "
                      "move it with the arrow keys. Wheel or +/\u2212 zooms."),
                   this);
    hint->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(line_, 1);
    layout->addWidget(explanation_);
    layout->addWidget(hint);

    connect(first_, &QSpinBox::valueChanged, this, [this] { recompute(); });
    connect(second_, &QSpinBox::valueChanged, this, [this] { recompute(); });
    connect(operation_, &QComboBox::currentIndexChanged, this, [this] { recompute(); });
    connect(line_, &kit::Canvas::pointMoved, this, [this](const QString& id, QPointF p) {
        if (updating_)
            return;
        const long x = std::lround(p.x());
        if (id == "start")
            first_->setValue(static_cast<int>(x));
        else
            landingDragged(x);
    });
    recompute();
}

void NumberLineExplorer::setProblem(long a, long b, bool subtract) {
    first_->setValue(static_cast<int>(a));
    second_->setValue(static_cast<int>(b));
    operation_->setCurrentIndex(subtract ? 1 : 0);
}

QString NumberLineExplorer::explanationText() const {
    return explanation_->text();
}

void NumberLineExplorer::landingDragged(long end) {
    const long a = first_->value();
    const long b = operation_->currentIndex() == 1 ? a - end : end - a;
    if (std::labs(b) > largestOperand) {
        recompute(); // put the point back where the numbers allow
        return;
    }
    second_->setValue(static_cast<int>(b));
}

void NumberLineExplorer::recompute() {
    const long a = first_->value();
    const long b = second_->value();
    const bool subtract = operation_->currentIndex() == 1;
    const NumberLineWalk walk = subtract ? subtractionWalk(a, b) : additionWalk(a, b);
    updating_ = true;
    line_->setPointPosition("start", QPointF(static_cast<double>(a), 0));
    line_->setPointPosition("end", QPointF(static_cast<double>(walk.end), 0));
    updating_ = false;

    const QString label =
        QString("%1 %2").arg(std::labs(walk.move)).arg(walk.move >= 0 ? "\u2192" : "\u2190");
    line_->setPainterCallback([walk, label](QPainter& painter, const kit::CanvasTransform& t) {
        paintIntegerLine(painter, t);
        paintMoveArrow(painter, t, static_cast<double>(walk.start), static_cast<double>(walk.end),
                       2.2, walk.move >= 0 ? kit::rightColour() : kit::wrongColour(), label);
        // The absolute values as distances from 0, under the line.
        const QPointF zero = t.toPixels(QPointF(0, 0));
        const QPointF landing = t.toPixels(QPointF(static_cast<double>(walk.end), -1.2));
        painter.setPen(QPen(kit::accentColour(), 1.5, Qt::DashLine));
        painter.drawLine(QPointF(zero.x(), landing.y()), landing);
        painter.drawText(QRectF(std::min(zero.x(), landing.x()), landing.y() + 2,
                                std::abs(landing.x() - zero.x()) + 1, 18),
                         Qt::AlignCenter | Qt::TextDontClip,
                         QString("|%1| = %2")
                             .arg(QString::number(walk.end).replace('-', QChar(0x2212)))
                             .arg(std::labs(walk.end)));
    });
    line_->update();

    QString text = "<b>" + html(integerHtml(a)) + (subtract ? " &minus; " : " + ") +
                   html(operandHtml(b)) + " = " + html(integerHtml(walk.end)) + "</b><br>";
    for (const auto& line : walk.explanation)
        text += html(line) + " ";
    const std::string order = walk.end < a ? " &lt; " : walk.end > a ? " &gt; " : " = ";
    text += "<br>Order: " + html(integerHtml(walk.end) + order + integerHtml(a)) +
            (walk.end < a   ? " (the landing point is left of the start)."
             : walk.end > a ? " (the landing point is right of the start)."
                            : ".");
    explanation_->setText(text);
}

} // namespace signednumbers
