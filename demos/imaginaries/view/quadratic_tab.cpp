#include "imaginaries/view/quadratic_tab.h"

#include "imaginaries/view/plane_drawing.h"

#include "kit/core/number_input.h"
#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <cmath>

namespace imaginaries {
namespace {

// Coefficients beyond this size make unreadable work; they are refused.
const mpz_class largestCoefficientPart(1000000);

std::optional<mpq_class> readCoefficient(QLineEdit* field, const QString& name, QString& error) {
    const auto parsed = kit::parseRational(field->text().toStdString());
    if (!parsed.ok()) {
        error = name + ": " + QString::fromStdString(parsed.error().message);
        return std::nullopt;
    }
    if (abs(parsed.value().get_num()) > largestCoefficientPart ||
        parsed.value().get_den() > largestCoefficientPart) {
        error = name + ": " + QObject::tr("too large for this demonstration");
        return std::nullopt;
    }
    return parsed.value();
}

// The roots as floating-point numbers for drawing.
std::pair<std::complex<double>, std::complex<double>> approximateRoots(const QuadraticRoots& r) {
    const double offset = r.offsetFactor.get_d() * std::sqrt(r.offsetRadicand.get_d());
    const double re = r.realPart.get_d();
    if (sgn(r.discriminant) < 0)
        return {{re, offset}, {re, -offset}};
    return {{re + offset, 0}, {re - offset, 0}};
}

} // namespace

QuadraticTab::QuadraticTab(QWidget* parent)
    : QWidget(parent), a_(new QLineEdit("1", this)), b_(new QLineEdit("-2", this)),
      c_(new QLineEdit("5", this)), error_(new QLabel(this)), steps_(new QTextBrowser(this)),
      canvas_(new kit::Canvas(this)) {
    a_->setObjectName("coefficientA");
    b_->setObjectName("coefficientB");
    c_->setObjectName("coefficientC");
    steps_->setObjectName("quadraticSteps");
    error_->setStyleSheet(QString("color: %1").arg(kit::wrongColour().name()));
    canvas_->setWorldRect(QRectF(-5, -5, 10, 10));
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paint(painter, t); });
    auto* row = new QHBoxLayout;
    const std::pair<QLineEdit*, QString> fields[] = {
        {a_, tr("&a:")}, {b_, tr("x\u00b2 + &b:")}, {c_, tr("x + &c:")}};
    for (const auto& [field, text] : fields) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        field->setMaxLength(30);
        row->addWidget(label);
        row->addWidget(field);
        connect(field, &QLineEdit::textChanged, this, &QuadraticTab::refresh);
    }
    row->addWidget(new QLabel(tr("= 0"), this));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(error_);
    layout->addWidget(steps_, 2);
    layout->addWidget(canvas_, 3);
    refresh();
}

void QuadraticTab::refresh() {
    QString error;
    const auto a = readCoefficient(a_, "a", error);
    const auto b = a ? readCoefficient(b_, "b", error) : std::nullopt;
    const auto c = b ? readCoefficient(c_, "c", error) : std::nullopt;
    if (a && sgn(*a) == 0)
        error = tr("a: with a = 0 the equation is not quadratic");
    error_->setText(error);
    roots_.reset();
    if (!error.isEmpty() || !c) {
        steps_->clear();
        canvas_->update();
        return;
    }
    roots_ = solveQuadratic(*a, *b, *c);
    QString text = "<ol>";
    for (const std::string& step : quadraticSteps(*a, *b, *c))
        text += "<li>" + QString::fromStdString(step) + "</li>";
    text += "</ol>";
    if (sgn(roots_->discriminant) < 0)
        text += tr("<p>In the plane the roots are mirror images in the real axis.</p>");
    steps_->setHtml(text);
    canvas_->update();
}

void QuadraticTab::paint(QPainter& painter, const kit::CanvasTransform& t) const {
    if (!roots_)
        return;
    const auto [first, second] = approximateRoots(*roots_);
    drawDot(painter, t, first, kit::wrongColour(), "x\u2081 = " + shortComplexText(first));
    drawDot(painter, t, second, kit::pageColour(), "x\u2082 = " + shortComplexText(second));
}

} // namespace imaginaries
