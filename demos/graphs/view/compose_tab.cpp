#include "graphs/view/compose_tab.h"

#include "graphs/core/function_algebra.h"
#include "graphs/core/function_curve.h"
#include "graphs/view/plot_drawing.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace graphs {

namespace {

QString formula(const kit::Expression& e) {
    return QString::fromStdString(formulaHtml(e));
}

// Whether f is strictly monotonic on the samples of [-10, 10] where it is defined: a hint at the
// horizontal line test, not a proof.
bool looksOneToOne(const kit::Expression& f) {
    int direction = 0;
    std::optional<double> previous;
    for (int k = 0; k <= 400; ++k) {
        const auto y = valueAt(f, -10.0 + k * 0.05);
        if (!y)
            continue;
        if (previous && *y != *previous) {
            const int d = *y > *previous ? 1 : -1;
            if (direction != 0 && d != direction)
                return false;
            direction = d;
        } else if (previous) {
            return false;
        }
        previous = y;
    }
    return true;
}

} // namespace

ComposeTab::ComposeTab(QWidget* parent)
    : QWidget(parent), fField_(new QLineEdit("2x + 1", this)), gField_(new QLineEdit("x^2", this)),
      error_(new QLabel(this)), facts_(new QTextBrowser(this)), canvas_(new kit::Canvas(this)) {
    fField_->setObjectName("composeF");
    gField_->setObjectName("composeG");
    error_->setObjectName("composeError");
    facts_->setObjectName("compositionFacts");
    canvas_->setObjectName("composePlot");
    error_->setStyleSheet(QString("color: %1").arg(kit::wrongColour().name()));
    error_->hide();
    canvas_->setWorldRect(QRectF(-6, -6, 12, 12));
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paint(painter, t); });
    auto* grid = new QGridLayout;
    auto* fLabel =
        new QLabel(tr("<b style=\"color:%1\">f(x) =</b>").arg(functionColour(0).name()), this);
    fLabel->setBuddy(fField_);
    auto* gLabel =
        new QLabel(tr("<b style=\"color:%1\">g(x) =</b>").arg(functionColour(1).name()), this);
    gLabel->setBuddy(gField_);
    grid->addWidget(fLabel, 0, 0);
    grid->addWidget(fField_, 0, 1);
    grid->addWidget(gLabel, 1, 0);
    grid->addWidget(gField_, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(error_);
    facts_->setMaximumHeight(150);
    layout->addWidget(facts_);
    layout->addWidget(canvas_, 1);
    connect(fField_, &QLineEdit::textChanged, this, &ComposeTab::refresh);
    connect(gField_, &QLineEdit::textChanged, this, &ComposeTab::refresh);
    refresh();
}

void ComposeTab::refresh() {
    f_.reset();
    g_.reset();
    composed_.reset();
    const auto f = parseFunction(fField_->text().toStdString());
    const auto g = parseFunction(gField_->text().toStdString());
    if (!f.ok() || !g.ok()) {
        error_->setText((f.ok() ? tr("g: ") : tr("f: ")) +
                        QString::fromStdString((f.ok() ? g : f).error().message).toHtmlEscaped());
        error_->show();
        facts_->setHtml(tr("<p>Nothing to show until both functions can be read.</p>"));
        canvas_->update();
        return;
    }
    error_->hide();
    f_ = f.value();
    g_ = g.value();
    composed_ = compose(*f_, *g_);
    facts_->setHtml(factsHtml());
    canvas_->update();
}

QString ComposeTab::factsHtml() const {
    const kit::Expression reversed = compose(*g_, *f_);
    QString html = tr("<p><b style=\"color:%1\">(f &#8728; g)(x) = f(g(x)) = %2</b> &nbsp; (drawn)"
                      "<br>(g &#8728; f)(x) = g(f(x)) = %3")
                       .arg(functionColour(2).name(), formula(*composed_), formula(reversed));
    html += composed_->equivalentTo(reversed)
                ? tr("<br>Here both orders agree; usually they do not.</p>")
                : tr("<br>The two orders differ: composition is not commutative.</p>");
    const auto inverse = inverseFormula(*f_);
    if (inverse)
        html += tr("<p><b>f&#8315;&sup1;(x) = %1</b>: solve y = f(x) for x and swap the names. Its "
                   "graph (dashed) is the reflection of f in the line y = x, because (a, b) on "
                   "f means (b, a) on f&#8315;&sup1;. Check: f(f&#8315;&sup1;(x)) = %2.</p>")
                    .arg(formula(*inverse), formula(compose(*f_, *inverse)));
    else if (looksOneToOne(*f_))
        html += tr("<p>f looks one-to-one on &minus;10 &le; x &le; 10, so its reflection in y = x "
                   "(dashed) is the graph of an inverse there; this program writes the formula "
                   "only for ax + b and (ax + b)/(cx + d).</p>");
    else
        html += tr("<p>f is not one-to-one (some horizontal line meets its graph twice), so the "
                   "reflection in y = x (dashed) is not the graph of a function: f has no inverse "
                   "unless its domain is cut down, as x&sup2; on x &ge; 0 has &radic;x.</p>");
    return html;
}

void ComposeTab::paint(QPainter& painter, const kit::CanvasTransform& t) const {
    drawDiagonal(painter, t);
    if (f_) {
        drawFunction(painter, t, *f_, functionColour(0));
        drawReflection(painter, t, *f_, kit::accentColour());
    }
    if (g_)
        drawFunction(painter, t, *g_, functionColour(1));
    if (composed_)
        drawFunction(painter, t, *composed_, functionColour(2));
}

} // namespace graphs
