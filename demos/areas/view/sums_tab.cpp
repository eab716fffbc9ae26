#include "areas/view/sums_tab.h"

#include "areas/view/integral_text.h"

#include "graphs/core/function_algebra.h"
#include "graphs/core/function_curve.h"
#include "graphs/view/plot_drawing.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSlider>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace areas {

namespace {

const SumRule rules[] = {SumRule::Left, SumRule::Right, SumRule::Midpoint, SumRule::Trapezoid,
                         SumRule::Simpson};

QColor fillFor(double height) {
    return height >= 0 ? QColor(34, 85, 136, 70) : QColor(170, 30, 30, 70);
}

// The outline of one piece: a rectangle, a trapezoid or Simpson's parabola down to the axis.
QPolygonF pieceOutline(const SumPiece& p, SumRule rule, const kit::CanvasTransform& t) {
    QPolygonF shape;
    shape << t.toPixels(QPointF(p.x0, 0));
    if (rule == SumRule::Trapezoid) {
        shape << t.toPixels(QPointF(p.x0, p.left)) << t.toPixels(QPointF(p.x1, p.right));
    } else if (rule == SumRule::Simpson) {
        // The parabola through (x0, left), (m, middle), (x1, right) in Lagrange form.
        const double m = (p.x0 + p.x1) / 2;
        for (int k = 0; k <= 24; ++k) {
            const double x = p.x0 + (p.x1 - p.x0) * k / 24;
            const double y = p.left * (x - m) * (x - p.x1) / ((p.x0 - m) * (p.x0 - p.x1)) +
                             p.middle * (x - p.x0) * (x - p.x1) / ((m - p.x0) * (m - p.x1)) +
                             p.right * (x - p.x0) * (x - m) / ((p.x1 - p.x0) * (p.x1 - m));
            shape << t.toPixels(QPointF(x, y));
        }
    } else {
        const double h = rule == SumRule::Left    ? p.left
                         : rule == SumRule::Right ? p.right
                                                  : p.middle;
        shape << t.toPixels(QPointF(p.x0, h)) << t.toPixels(QPointF(p.x1, h));
    }
    shape << t.toPixels(QPointF(p.x1, 0));
    return shape;
}

} // namespace

SumsTab::SumsTab(QWidget* parent)
    : QWidget(parent), functionField_(new QLineEdit("x^2", this)),
      lowerField_(new QLineEdit("0", this)), upperField_(new QLineEdit("2", this)),
      ruleChooser_(new QComboBox(this)), piecesSlider_(new QSlider(Qt::Horizontal, this)),
      piecesLabel_(new QLabel(this)), message_(new QLabel(this)), facts_(new QTextBrowser(this)),
      canvas_(new kit::Canvas(this)) {
    functionField_->setObjectName("sumFunctionField");
    lowerField_->setObjectName("sumLowerField");
    upperField_->setObjectName("sumUpperField");
    ruleChooser_->setObjectName("ruleChooser");
    for (SumRule r : rules)
        ruleChooser_->addItem(tr(ruleName(r)));
    piecesSlider_->setObjectName("piecesSlider");
    piecesSlider_->setRange(1, 200);
    piecesSlider_->setValue(4);
    piecesLabel_->setObjectName("piecesLabel");
    message_->setObjectName("sumMessage");
    message_->setWordWrap(true);
    message_->setStyleSheet(QString("color: %1").arg(kit::wrongColour().name()));
    facts_->setObjectName("sumFacts");
    canvas_->setObjectName("sumPlot");
    canvas_->setEqualAspect(false);
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paint(painter, t); });
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("f(x) =", this), 0, 0);
    grid->addWidget(functionField_, 0, 1, 1, 3);
    grid->addWidget(new QLabel(tr("from a ="), this), 1, 0);
    grid->addWidget(lowerField_, 1, 1);
    grid->addWidget(new QLabel(tr("to b ="), this), 1, 2);
    grid->addWidget(upperField_, 1, 3);
    grid->addWidget(ruleChooser_, 2, 0, 1, 2);
    grid->addWidget(piecesLabel_, 2, 2);
    grid->addWidget(piecesSlider_, 2, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(message_);
    layout->addWidget(canvas_, 3);
    layout->addWidget(facts_, 2);
    for (QLineEdit* field : {functionField_, lowerField_, upperField_})
        connect(field, &QLineEdit::textChanged, this, &SumsTab::recompute);
    connect(piecesSlider_, &QSlider::valueChanged, this, &SumsTab::updateSums);
    connect(ruleChooser_, &QComboBox::currentIndexChanged, this, &SumsTab::updateSums);
    recompute();
}

SumRule SumsTab::rule() const {
    return rules[std::clamp(ruleChooser_->currentIndex(), 0, 4)];
}

void SumsTab::recompute() {
    f_.reset();
    interval_.reset();
    integral_.reset();
    message_->clear();
    const auto parsed = graphs::parseFunction(functionField_->text().toStdString());
    const auto interval =
        parseInterval(lowerField_->text().toStdString(), upperField_->text().toStdString());
    if (!parsed.ok() || !interval.ok()) {
        message_->setText(QString::fromStdString(parsed.ok() ? interval.error().message
                                                             : "f(x): " + parsed.error().message)
                              .toHtmlEscaped());
        facts_->clear();
        sum_.reset();
        canvas_->update();
        return;
    }
    f_ = parsed.value();
    interval_ = interval.value();
    integral_ = definiteIntegral(*f_, *interval_);
    if (!integral_->error.empty()) {
        message_->setText(QString::fromStdString(integral_->error).toHtmlEscaped());
        integralText_.clear();
    } else {
        integralText_ = integralHtml(*integral_, lowerField_->text(), upperField_->text());
    }
    fitView();
    updateSums();
}

void SumsTab::updateSums() {
    const int n = piecesSlider_->value();
    piecesLabel_->setText(tr("n = %1 pieces").arg(n));
    sum_.reset();
    if (!f_ || !interval_) {
        canvas_->update();
        return;
    }
    QString table = "<table cellspacing=\"4\"><tr><th align=left>" + tr("rule") +
                    "</th><th align=left>" + tr("value") + "</th><th align=left>" +
                    tr("error (sum &minus; integral)") + "</th></tr>";
    const bool known = integral_ && integral_->error.empty();
    const std::vector<RiemannSum> sums = everyRule(*f_, interval_->a, interval_->b, n);
    for (SumRule r : rules) {
        const RiemannSum& s = sums[static_cast<std::size_t>(r)];
        if (r == rule())
            sum_ = s;
        const QString value = s.error.empty() ? shownNumber(s.value, 10)
                                              : QString::fromStdString(s.error).toHtmlEscaped();
        const QString error = s.error.empty() && known ? shownNumber(s.value - integral_->value, 3)
                                                       : QString("&mdash;");
        table += QString("<tr><td>%1%2%3</td><td>%4</td><td>%5</td></tr>")
                     .arg(r == rule() ? "<b>" : "", tr(ruleName(r)), r == rule() ? "</b>" : "",
                          value, error);
    }
    table += "</table>";
    if (sum_ && !sum_->error.empty() && message_->text().isEmpty())
        message_->setText(QString::fromStdString(sum_->error).toHtmlEscaped());
    facts_->setHtml("<p>" + integralText_ + "</p>" + table +
                    tr("<p>Halving the width of the pieces divides the error of the left and "
                       "right sums by about 2, of the midpoint and trapezoid rules by about 4 "
                       "and of Simpson&rsquo;s rule by about 16.</p>"));
    canvas_->update();
}

void SumsTab::fitView() {
    const double a = interval_->a, b = interval_->b;
    const double margin = (b - a) * 0.15;
    double low = 0, high = 0;
    for (const auto& piece : graphs::sampleCurve(*f_, a, b, 200, b - a))
        for (const auto& point : piece) {
            low = std::min(low, point.second);
            high = std::max(high, point.second);
        }
    high = std::min(high, 1e6);
    low = std::max(low, -1e6);
    const double pad = (high - low) * 0.15 + 0.5;
    canvas_->setWorldRect(QRectF(a - margin, low - pad, b - a + 2 * margin, high - low + 2 * pad));
}

void SumsTab::paint(QPainter& painter, const kit::CanvasTransform& t) const {
    if (!f_)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (sum_ && sum_->error.empty()) {
        const bool thin = sum_->pieces.size() > 60;
        for (const SumPiece& piece : sum_->pieces) {
            const double height = pieceArea(piece, rule());
            painter.setPen(thin ? Qt::NoPen : QPen(QColor(34, 85, 136), 1));
            painter.setBrush(fillFor(height));
            painter.drawPolygon(pieceOutline(piece, rule(), t));
        }
    }
    painter.restore();
    graphs::drawFunction(painter, t, *f_, kit::wrongColour());
}

} // namespace areas
