#include "angles/view/triangle_tab.h"

#include "kit/core/expression_input.h"
#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

namespace angles {

namespace {

struct CaseStart {
    const char* title;
    TriangleCase which;
    const char* values[3];
};

const CaseStart cases[] = {
    {"SSS: three sides", TriangleCase::SSS, {"5", "6", "7"}},
    {"SAS: two sides and the angle between", TriangleCase::SAS, {"4", "60", "5"}},
    {"ASA: two angles and the side between", TriangleCase::ASA, {"50", "8", "60"}},
    {"AAS: two angles and a side opposite one", TriangleCase::AAS, {"40", "75", "6"}},
    {"SSA: two sides and an angle opposite one (ambiguous)", TriangleCase::SSA, {"7", "10", "30"}},
    {"Right triangle: two legs", TriangleCase::RightLegs, {"3", "4", ""}},
    {"Right triangle: hypotenuse and an angle",
     TriangleCase::RightHypotenuseAngle,
     {"10", "35", ""}},
};

QString number(double v) {
    return QString::number(v, 'g', 6);
}

QPointF vertexC(const Triangle& t) {
    const double A = t.A * std::numbers::pi / 180;
    return {t.b * std::cos(A), t.b * std::sin(A)};
}

} // namespace

TriangleTab::TriangleTab(QWidget* parent)
    : QWidget(parent), caseChooser_(new QComboBox(this)), message_(new QLabel(this)),
      result_(new QTextBrowser(this)), canvas_(new kit::Canvas(this)) {
    caseChooser_->setObjectName("caseChooser");
    for (const CaseStart& c : cases)
        caseChooser_->addItem(tr(c.title));
    auto* form = new QFormLayout;
    form->addRow(tr("Given"), caseChooser_);
    for (std::size_t k = 0; k < 3; ++k) {
        labels_[k] = new QLabel(this);
        fields_[k] = new QLineEdit(this);
        fields_[k]->setObjectName(QString("givenField%1").arg(k));
        form->addRow(labels_[k], fields_[k]);
        connect(fields_[k], &QLineEdit::textChanged, this, &TriangleTab::solve);
    }
    message_->setObjectName("triangleMessage");
    message_->setWordWrap(true);
    message_->setStyleSheet(QString("color: %1").arg(kit::wrongColour().name()));
    result_->setObjectName("triangleResult");
    canvas_->setObjectName("triangleCanvas");
    canvas_->setGridVisible(false);
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paint(painter, t); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(message_);
    layout->addWidget(canvas_, 3);
    layout->addWidget(result_, 2);
    connect(caseChooser_, &QComboBox::currentIndexChanged, this, &TriangleTab::chooseCase);
    chooseCase(0);
}

void TriangleTab::chooseCase(int index) {
    const CaseStart& start = cases[std::clamp(index, 0, static_cast<int>(std::size(cases)) - 1)];
    case_ = start.which;
    const auto labels = givenLabels(case_);
    for (std::size_t k = 0; k < 3; ++k) {
        const bool used = k < labels.size();
        labels_[k]->setVisible(used);
        fields_[k]->setVisible(used);
        labels_[k]->setText(used ? QString::fromStdString(labels[k]) : QString());
        const QSignalBlocker block(fields_[k]);
        fields_[k]->setText(start.values[k]);
    }
    solve();
}

void TriangleTab::solve() {
    const auto labels = givenLabels(case_);
    std::vector<double> given;
    message_->clear();
    solution_ = {};
    given_.clear();
    for (std::size_t k = 0; k < labels.size(); ++k) {
        const auto parsed = kit::Expression::parse(fields_[k]->text().toStdString(), {});
        const auto value = parsed.ok() ? parsed.value().evaluate({}) : std::nullopt;
        if (!parsed.ok() || !value) {
            message_->setText(QString::fromStdString(labels[k]) + ": " +
                              (parsed.ok() ? tr("the value is undefined")
                                           : QString::fromStdString(parsed.error().message))
                                  .toHtmlEscaped());
            result_->clear();
            canvas_->update();
            return;
        }
        given.push_back(*value);
    }
    given_ = given;
    solution_ = solveTriangle(case_, given);
    if (!solution_.error.empty())
        message_->setText(solution_.error.starts_with("no triangle")
                              ? QString::fromStdString("N" + solution_.error.substr(1))
                              : tr("No triangle: ") + QString::fromStdString(solution_.error));
    result_->setHtml(resultHtml());
    fitView();
}

QString TriangleTab::resultHtml() const {
    QString html;
    for (const auto& step : solution_.steps)
        html += "<p>" + QString::fromStdString(step).toHtmlEscaped() + "</p>";
    int index = 1;
    for (const Triangle& t : solution_.triangles) {
        const double ratioA = t.a / std::sin(t.A * std::numbers::pi / 180);
        const double ratioB = t.b / std::sin(t.B * std::numbers::pi / 180);
        const double ratioC = t.c / std::sin(t.C * std::numbers::pi / 180);
        const double cosineCheck =
            t.a * t.a -
            (t.b * t.b + t.c * t.c - 2 * t.b * t.c * std::cos(t.A * std::numbers::pi / 180));
        html += QString("<p><b>%1</b> a = %2, b = %3, c = %4; A = %5°, B = %6°, C = %7°; "
                        "area = %8</p>")
                    .arg(solution_.triangles.size() > 1 ? tr("Triangle %1:").arg(index)
                                                        : tr("Solution:"))
                    .arg(number(t.a), number(t.b), number(t.c), number(t.A), number(t.B),
                         number(t.C), number(triangleArea(t)));
        html += tr("<p>Check by the law of sines: a/sin A = %1, b/sin B = %2, c/sin C = %3. "
                   "Law of cosines: a² &minus; (b² + c² &minus; 2bc·cos A) = %4.</p>")
                    .arg(number(ratioA), number(ratioB), number(ratioC), number(cosineCheck));
        ++index;
    }
    return html;
}

bool TriangleTab::swingDrawable() const {
    if (case_ != TriangleCase::SSA || given_.size() != 3)
        return false;
    for (double v : given_)
        if (!std::isfinite(v) || v <= 0 || v > 1e6)
            return false;
    return given_[2] < 180;
}

void TriangleTab::fitView() {
    double left = 0, right = 1, low = 0, high = 1;
    if (swingDrawable()) {
        // The whole swing of side a about C stays in view.
        const QPointF C = vertexC({given_[0], given_[1], 0, given_[2], 0, 0});
        left = std::min(left, C.x() - given_[0]);
        right = std::max(right, C.x() + given_[0]);
        low = std::min(low, C.y() - given_[0]);
        high = std::max(high, C.y() + given_[0]);
    }
    for (const Triangle& t : solution_.triangles) {
        const QPointF C = vertexC(t);
        left = std::min({left, C.x()});
        right = std::max({right, t.c, C.x()});
        high = std::max(high, C.y());
    }
    const double size = std::max(right - left, high - low) * 1.3;
    canvas_->setWorldRect(QRectF((left + right - size) / 2, (low + high - size) / 2, size, size));
    canvas_->update();
}

void TriangleTab::paint(QPainter& painter, const kit::CanvasTransform& t) const {
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colours[] = {kit::pageColour(), kit::wrongColour()};
    for (std::size_t k = 0; k < solution_.triangles.size(); ++k) {
        const Triangle& tri = solution_.triangles[k];
        const QPointF A(0, 0), B(tri.c, 0), C = vertexC(tri);
        QPolygonF shape;
        shape << t.toPixels(A) << t.toPixels(B) << t.toPixels(C);
        painter.setPen(QPen(colours[k], 2.5, k == 0 ? Qt::SolidLine : Qt::DashLine));
        QColor fill = colours[k];
        fill.setAlpha(40);
        painter.setBrush(fill);
        painter.drawPolygon(shape);
        painter.setPen(Qt::black);
        painter.drawText(t.toPixels(A) + QPointF(-14, 14), "A");
        painter.drawText(t.toPixels(B) + QPointF(4, 14), k == 0 ? "B" : "B\u2032");
        painter.drawText(t.toPixels(C) + QPointF(-4, -8), "C");
        painter.setPen(colours[k]);
        painter.drawText((t.toPixels(B) + t.toPixels(C)) / 2 + QPointF(6, 0),
                         "a = " + number(tri.a));
    }
    if (swingDrawable()) {
        // Side a swings about C: where its circle meets the line of side c lie the B's. With no
        // triangle the circle stays clear of that line.
        const Triangle swing{given_[0], given_[1], 0, given_[2], 0, 0};
        const QPointF C = t.toPixels(vertexC(swing));
        if (solution_.triangles.empty()) {
            painter.setPen(QPen(kit::pageColour(), 2.5));
            painter.drawLine(t.toPixels(QPointF(0, 0)), C);
            painter.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
            painter.drawLine(t.toPixels(QPointF(0, 0)),
                             t.toPixels(QPointF(2 * (swing.a + swing.b), 0)));
            painter.setPen(Qt::black);
            painter.drawText(t.toPixels(QPointF(0, 0)) + QPointF(-14, 14), "A");
            painter.drawText(C + QPointF(-4, -8), "C");
        }
        const double r = swing.a * t.scaleX();
        painter.setPen(QPen(kit::accentColour(), 1.2, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(C, r, r);
    }
}

} // namespace angles
