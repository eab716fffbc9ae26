#include "graphs/view/transform_tab.h"

#include "graphs/core/function_algebra.h"
#include "graphs/view/plot_drawing.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QVBoxLayout>

#include <gmpxx.h>

namespace graphs {

namespace {

const char* const parameterNames[] = {"a", "b", "c", "d"};
const char* const meanings[] = {
    QT_TRANSLATE_NOOP("graphs", "vertical stretch (a &lt; 0 reflects in the x-axis)"),
    QT_TRANSLATE_NOOP("graphs", "horizontal squeeze by b (b &lt; 0 reflects in the y-axis)"),
    QT_TRANSLATE_NOOP("graphs", "shift right by c"), QT_TRANSLATE_NOOP("graphs", "shift up by d")};
const int starts[] = {2, 2, 2, -2}; // in halves: a = 1, b = 1, c = 1, d = -1

std::string half(int n) {
    mpq_class q(n, 2);
    q.canonicalize();
    return "(" + q.get_str() + ")";
}

} // namespace

TransformTab::TransformTab(QWidget* parent)
    : QWidget(parent), base_(new QLineEdit("x^2", this)), error_(new QLabel(this)),
      formula_(new QLabel(this)), canvas_(new kit::Canvas(this)) {
    base_->setObjectName("baseField");
    error_->setObjectName("baseError");
    formula_->setObjectName("transformFormula");
    canvas_->setObjectName("transformPlot");
    error_->setStyleSheet(QString("color: %1").arg(kit::wrongColour().name()));
    error_->hide();
    formula_->setWordWrap(true);
    canvas_->setWorldRect(QRectF(-6, -5, 12, 10));
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paint(painter, t); });
    auto* grid = new QGridLayout;
    auto* label = new QLabel(tr("&f(x) ="), this);
    label->setBuddy(base_);
    grid->addWidget(label, 0, 0);
    grid->addWidget(base_, 0, 1, 1, 2);
    grid->addWidget(error_, 1, 1, 1, 2);
    for (int k = 0; k < 4; ++k) {
        sliders_[k] = new QSlider(Qt::Horizontal, this);
        sliders_[k]->setObjectName(QString("slider%1").arg(QChar('A' + k)));
        sliders_[k]->setRange(k < 2 ? -6 : -12, k < 2 ? 6 : 12);
        sliders_[k]->setValue(starts[k]);
        sliders_[k]->setPageStep(2);
        values_[k] = new QLabel(this);
        values_[k]->setMinimumWidth(260);
        auto* name = new QLabel(QString("&%1").arg(parameterNames[k]), this);
        name->setBuddy(sliders_[k]);
        grid->addWidget(name, k + 2, 0);
        grid->addWidget(sliders_[k], k + 2, 1);
        grid->addWidget(values_[k], k + 2, 2);
        connect(sliders_[k], &QSlider::valueChanged, this, &TransformTab::refresh);
    }
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(formula_);
    layout->addWidget(canvas_, 1);
    connect(base_, &QLineEdit::textChanged, this, &TransformTab::refresh);
    refresh();
}

double TransformTab::parameter(int k) const {
    return sliders_[static_cast<std::size_t>(k)]->value() / 2.0;
}

void TransformTab::refresh() {
    // b = 0 would flatten the graph to the constant a·f(0) + d: the slider skips it.
    if (sliders_[1]->value() == 0)
        sliders_[1]->setValue(1);
    for (std::size_t k = 0; k < 4; ++k)
        values_[k]->setText(
            QString("= %1 &nbsp; <small>%2</small>")
                .arg(QString::number(parameter(static_cast<int>(k))).replace("-", "\u2212"),
                     tr(meanings[k])));
    const auto parsed = parseFunction(base_->text().toStdString());
    f_.reset();
    g_.reset();
    if (!parsed.ok()) {
        error_->setText(QString::fromStdString(parsed.error().message).toHtmlEscaped());
        error_->show();
        formula_->clear();
        canvas_->update();
        return;
    }
    error_->hide();
    f_ = parsed.value();
    const auto inner =
        parseFunction(half(sliders_[1]->value()) + "*(x - " + half(sliders_[2]->value()) + ")");
    const auto outer =
        parseFunction(half(sliders_[0]->value()) + "*x + " + half(sliders_[3]->value()));
    g_ = compose(outer.value(), compose(*f_, inner.value()));
    const auto shown = [this](int k) {
        return QString::number(parameter(k)).replace("-", "&minus;");
    };
    formula_->setText(
        tr("<b>y = a&middot;f(b(x &minus; c)) + d = %1&middot;f(%2(x &minus; %3)) + "
           "%4 = %5</b><br>Each point (x, y) of the grey graph moves to (x/b + c, "
           "a&middot;y + d).")
            .arg(shown(0), shown(1), shown(2), shown(3), QString::fromStdString(formulaHtml(*g_))));
    canvas_->update();
}

void TransformTab::paint(QPainter& painter, const kit::CanvasTransform& t) const {
    if (f_)
        drawFunction(painter, t, *f_, QColor(150, 150, 150));
    if (g_)
        drawFunction(painter, t, *g_, functionColour(0));
}

} // namespace graphs
