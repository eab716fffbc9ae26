#include "areas/view/between_tab.h"

#include "areas/view/integral_text.h"

#include "graphs/core/function_algebra.h"
#include "graphs/core/function_curve.h"
#include "graphs/view/plot_drawing.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <cmath>

namespace areas {

BetweenTab::BetweenTab(QWidget* parent)
    : QWidget(parent), fField_(new QLineEdit("x", this)), gField_(new QLineEdit("x^2", this)),
      lowerField_(new QLineEdit("0", this)), upperField_(new QLineEdit("1", this)),
      crossingsButton_(new QPushButton(tr("a, b from the crossings"), this)),
      message_(new QLabel(this)), facts_(new QTextBrowser(this)), canvas_(new kit::Canvas(this)) {
    fField_->setObjectName("upperCurveField");
    gField_->setObjectName("lowerCurveField");
    lowerField_->setObjectName("betweenLowerField");
    upperField_->setObjectName("betweenUpperField");
    crossingsButton_->setObjectName("crossingsButton");
    message_->setObjectName("betweenMessage");
    message_->setWordWrap(true);
    message_->setStyleSheet(QString("color: %1").arg(kit::wrongColour().name()));
    facts_->setObjectName("betweenFacts");
    canvas_->setObjectName("betweenPlot");
    canvas_->setEqualAspect(false);
    canvas_->setWorldRect(QRectF(-3, -2, 6, 5));
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paint(painter, t); });
    auto* grid = new QGridLayout;
    grid->addWidget(
        new QLabel(QString("<b style='color:%1'>f(x) =</b>").arg(graphs::functionColour(0).name()),
                   this),
        0, 0);
    grid->addWidget(fField_, 0, 1);
    grid->addWidget(
        new QLabel(QString("<b style='color:%1'>g(x) =</b>").arg(graphs::functionColour(1).name()),
                   this),
        0, 2);
    grid->addWidget(gField_, 0, 3);
    grid->addWidget(new QLabel(tr("from a ="), this), 1, 0);
    grid->addWidget(lowerField_, 1, 1);
    grid->addWidget(new QLabel(tr("to b ="), this), 1, 2);
    grid->addWidget(upperField_, 1, 3);
    grid->addWidget(crossingsButton_, 2, 0, 1, 4);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(message_);
    layout->addWidget(canvas_, 3);
    layout->addWidget(facts_, 2);
    for (QLineEdit* field : {fField_, gField_, lowerField_, upperField_})
        connect(field, &QLineEdit::textChanged, this, &BetweenTab::recompute);
    connect(crossingsButton_, &QPushButton::clicked, this, &BetweenTab::useCrossings);
    recompute();
}

void BetweenTab::recompute() {
    f_.reset();
    g_.reset();
    interval_.reset();
    result_.reset();
    message_->clear();
    facts_->clear();
    const auto f = graphs::parseFunction(fField_->text().toStdString());
    const auto g = graphs::parseFunction(gField_->text().toStdString());
    if (!f.ok() || !g.ok()) {
        message_->setText(QString::fromStdString(!f.ok() ? "f(x): " + f.error().message
                                                         : "g(x): " + g.error().message)
                              .toHtmlEscaped());
        canvas_->update();
        return;
    }
    f_ = f.value();
    g_ = g.value();
    const auto interval =
        parseInterval(lowerField_->text().toStdString(), upperField_->text().toStdString());
    if (!interval.ok()) {
        message_->setText(QString::fromStdString(interval.error().message).toHtmlEscaped());
        canvas_->update();
        return;
    }
    interval_ = interval.value();
    result_ = areaBetween(*f_, *g_, *interval_);
    if (!result_->error.empty()) {
        message_->setText(QString::fromStdString(result_->error).toHtmlEscaped());
        canvas_->update();
        return;
    }
    QString html = tr("<p>Area between the curves on [%1, %2]: <b>%3</b>")
                       .arg(lowerField_->text().toHtmlEscaped(),
                            upperField_->text().toHtmlEscaped(), shownNumber(result_->area, 10));
    if (result_->exact)
        html += tr(" = %1 exactly").arg(formula(*result_->exact));
    html += "</p>";
    if (result_->antiderivative)
        html += tr("<p>An antiderivative of f &minus; g: %1 (%2)</p>")
                    .arg(formula(result_->antiderivative->F),
                         QString::fromStdString(result_->antiderivative->rule).toHtmlEscaped());
    if (!result_->crossings.empty()) {
        QString at;
        for (double x : result_->crossings)
            at += (at.isEmpty() ? "" : ", ") + shownNumber(x, 8);
        html += tr("<p>The curves cross at x = %1: on each piece the upper curve minus the lower "
                   "is integrated, so no part cancels another.</p>")
                    .arg(at);
    }
    html += "<p>" + tr("Pieces, &int; (f &minus; g) dx:") + " ";
    for (double piece : result_->pieceIntegrals)
        html += shownNumber(piece, 8) + " &nbsp; ";
    facts_->setHtml(html + "</p>");
    canvas_->update();
}

void BetweenTab::useCrossings() {
    if (!f_ || !g_)
        return;
    const QRectF world = canvas_->transform().world();
    const auto found = crossings(*f_, *g_, world.left(), world.right());
    if (found.size() < 2) {
        message_->setText(tr("The curves do not cross twice in the shown part of the plane."));
        return;
    }
    // Rounded to 10 digits: crossings such as 0 and 1 then read as typed.
    const auto shown = [](double x) { return QString::number(x, 'g', 10); };
    const QSignalBlocker block(lowerField_);
    lowerField_->setText(shown(found.front()));
    upperField_->setText(shown(found.back()));
}

void BetweenTab::paint(QPainter& painter, const kit::CanvasTransform& t) const {
    if (!f_ || !g_)
        return;
    if (interval_ && result_ && result_->error.empty()) {
        const int steps = 240;
        QPolygonF region;
        std::vector<QPointF> lower;
        for (int k = 0; k <= steps; ++k) {
            const double x = interval_->a + (interval_->b - interval_->a) * k / steps;
            const auto fy = graphs::valueAt(*f_, x), gy = graphs::valueAt(*g_, x);
            if (!fy || !gy)
                continue;
            region << t.toPixels(QPointF(x, *fy));
            lower.push_back(t.toPixels(QPointF(x, *gy)));
        }
        for (auto it = lower.rbegin(); it != lower.rend(); ++it)
            region << *it;
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(200, 110, 20, 80));
        painter.drawPolygon(region, Qt::WindingFill);
        painter.restore();
    }
    graphs::drawFunction(painter, t, *f_, graphs::functionColour(0));
    graphs::drawFunction(painter, t, *g_, graphs::functionColour(1));
}

} // namespace areas
