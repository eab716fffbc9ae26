#include "graphs/view/plot_tab.h"

#include "graphs/core/function_algebra.h"
#include "graphs/core/function_curve.h"
#include "graphs/view/plot_drawing.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"
#include "kit/view/input_error_label.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <cmath>

namespace graphs {

namespace {

const char* const names[] = {"f", "g", "h"};

QString number(double v) {
    return QString::number(v, 'g', 6).replace("-", "\u2212");
}

// The values f takes over the window, sampled: an estimate of the range there.
QString rangeText(const kit::Expression& f, const QRectF& world) {
    int poles = 0;
    const auto pieces = sampleCurve(f, world.left(), world.right(), 600, world.height(), &poles);
    double low = INFINITY, high = -INFINITY;
    for (const auto& piece : pieces)
        for (const auto& point : piece) {
            low = std::min(low, point.second);
            high = std::max(high, point.second);
        }
    if (pieces.empty())
        return QObject::tr("f is not defined anywhere on the shown interval");
    if (poles > 0)
        return QObject::tr("on %1 &le; x &le; %2 the values grow without bound near the pole%3; "
                           "between the poles they pass through about %4 to %5")
            .arg(number(world.left()), number(world.right()), poles > 1 ? "s" : "", number(low),
                 number(high));
    return QObject::tr("on %1 &le; x &le; %2 the values run from about %3 to %4")
        .arg(number(world.left()), number(world.right()), number(low), number(high));
}

} // namespace

PlotTab::PlotTab(QWidget* parent)
    : QWidget(parent), traceChooser_(new QComboBox(this)), traceLabel_(new QLabel(this)),
      facts_(new QTextBrowser(this)), canvas_(new kit::Canvas(this)) {
    const char* starts[] = {"x^2 - 2", "1/(x - 1)", "sqrt(x + 3)"};
    auto* grid = new QGridLayout;
    for (int k = 0; k < 3; ++k) {
        fields_[k] = new QLineEdit(starts[k], this);
        fields_[k]->setObjectName(QString("functionField%1").arg(k));
        errors_[k] = new QLabel(this);
        errors_[k]->setObjectName(QString("functionError%1").arg(k));
        kit::setUpInputError(*errors_[k]);
        auto* label = new QLabel(
            QString("<b style=\"color:%1\">&%2(x) =</b>").arg(functionColour(k).name(), names[k]),
            this);
        label->setBuddy(fields_[k]);
        grid->addWidget(label, 2 * k, 0);
        grid->addWidget(fields_[k], 2 * k, 1);
        grid->addWidget(errors_[k], 2 * k + 1, 1);
        traceChooser_->addItem(tr("trace %1").arg(names[k]));
        connect(fields_[k], &QLineEdit::textChanged, this, &PlotTab::refresh);
    }
    traceChooser_->setObjectName("traceChooser");
    traceLabel_->setObjectName("traceLabel");
    facts_->setObjectName("functionFacts");
    canvas_->setObjectName("functionPlot");
    canvas_->setWorldRect(QRectF(-6, -5, 12, 10));
    canvas_->addPoint("trace", QPointF(2, 2), 0.0, "", kit::accentColour());
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paint(painter, t); });
    auto* traceRow = new QHBoxLayout;
    traceRow->addWidget(traceChooser_);
    traceRow->addWidget(traceLabel_, 1);
    auto* hint = new QLabel(tr("Drag the orange point along the chosen graph (or press Space and "
                               "the arrow keys). Drag the background to pan, the wheel zooms, "
                               "Home resets."),
                            this);
    hint->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(traceRow);
    layout->addWidget(hint);
    layout->addWidget(canvas_, 2);
    layout->addWidget(facts_, 1);
    connect(canvas_, &kit::Canvas::pointMoved, this,
            [this](const QString&, QPointF p) { moveTrace(p.x()); });
    connect(canvas_, &kit::Canvas::viewChanged, this, [this] { facts_->setHtml(factsHtml()); });
    connect(traceChooser_, &QComboBox::currentIndexChanged, this,
            [this] { moveTrace(canvas_->pointPosition("trace").x()); });
    refresh();
}

const kit::Expression* PlotTab::traced() const {
    const auto& f =
        functions_[static_cast<std::size_t>(std::max(0, traceChooser_->currentIndex()))];
    return f ? &*f : nullptr;
}

void PlotTab::moveTrace(double x) {
    const kit::Expression* f = traced();
    const QString name = names[std::max(0, traceChooser_->currentIndex())];
    const auto y = f ? valueAt(*f, x) : std::nullopt;
    if (!y) {
        canvas_->setPointPosition("trace", QPointF(x, 0));
        traceLabel_->setText(
            tr("abscissa x = %1: %2(x) is not defined there").arg(number(x), name));
        return;
    }
    canvas_->setPointPosition("trace", QPointF(x, *y));
    traceLabel_->setText(
        tr("abscissa x = %1, ordinate y = %2(x) = %3").arg(number(x), name, number(*y)));
}

void PlotTab::refresh() {
    for (std::size_t k = 0; k < 3; ++k) {
        const QString text = fields_[k]->text().trimmed();
        functions_[k].reset();
        errors_[k]->hide();
        if (text.isEmpty())
            continue;
        const auto parsed = parseFunction(text.toStdString());
        if (parsed.ok()) {
            functions_[k] = parsed.value();
        } else {
            errors_[k]->setText(QString::fromStdString(parsed.error().message).toHtmlEscaped());
            errors_[k]->show();
        }
    }
    moveTrace(canvas_->pointPosition("trace").x());
    facts_->setHtml(factsHtml());
    canvas_->update();
}

QString PlotTab::factsHtml() const {
    QString html = "<table cellspacing=\"3\">";
    for (std::size_t k = 0; k < 3; ++k) {
        if (!functions_[k])
            continue;
        const Domain domain = domainOf(*functions_[k]);
        QString conditions;
        for (const auto& c : domain.conditionsHtml)
            conditions += (conditions.isEmpty() ? "" : ", ") + QString::fromStdString(c);
        html += QString("<tr><td><b style=\"color:%1\">%2(x) = %3</b></td></tr>")
                    .arg(functionColour(static_cast<int>(k)).name(), names[k],
                         QString::fromStdString(formulaHtml(*functions_[k])));
        html +=
            "<tr><td>&nbsp;&nbsp;" + tr("domain") + ": " +
            QString::fromStdString(equations::solutionHtml(domain.set)) +
            (conditions.isEmpty() ? QString() : " &nbsp;(" + tr("where ") + conditions + ")") +
            (domain.exact ? QString() : tr(" &mdash; other gaps are found only in the picture")) +
            "</td></tr>";
        html += "<tr><td>&nbsp;&nbsp;" + tr("range") + ": " +
                rangeText(*functions_[k], canvas_->transform().world()) + "</td></tr>";
    }
    return html + "</table>";
}

void PlotTab::paint(QPainter& painter, const kit::CanvasTransform& t) const {
    for (std::size_t k = 0; k < 3; ++k)
        if (functions_[k])
            drawFunction(painter, t, *functions_[k], functionColour(static_cast<int>(k)));
}

} // namespace graphs
