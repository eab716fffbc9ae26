#include "planesurface/view/calculator_panel.h"

#include "planesurface/view/shape_drawing.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace planesurface {

namespace {

constexpr std::size_t maxFields = 3;

QString html(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

// "A = 24", "A = 9π ≈ 28.27", "P ≈ 18.11".
QString equation(const QString& symbol, const Amount& amount) {
    const QString value = html(amountText(amount));
    return symbol + (amount.exact.empty() ? " " : " = ") + value;
}

} // namespace

CalculatorPanel::CalculatorPanel(QWidget* parent)
    : QWidget(parent), shapeChooser_(new QComboBox(this)), unitChooser_(new QComboBox(this)),
      calculateButton_(new QPushButton(tr("&Calculate"), this)), canvas_(new kit::Canvas(this)),
      results_(new QTextBrowser(this)) {
    setObjectName("calculator");
    shapeChooser_->setObjectName("shapeChooser");
    unitChooser_->setObjectName("unitChooser");
    calculateButton_->setObjectName("calculateButton");
    canvas_->setObjectName("shapeCanvas");
    results_->setObjectName("results");
    for (const ShapeInfo& info : shapeCatalogue())
        shapeChooser_->addItem(QString::fromStdString(info.name));
    unitChooser_->addItems({"cm", "m", "mm", "km", "in", "ft", tr("units")});

    auto* top = new QHBoxLayout;
    auto* shapeLabel = new QLabel(tr("S&hape:"), this);
    shapeLabel->setBuddy(shapeChooser_);
    auto* unitLabel = new QLabel(tr("&Unit:"), this);
    unitLabel->setBuddy(unitChooser_);
    top->addWidget(shapeLabel);
    top->addWidget(shapeChooser_, 1);
    top->addWidget(unitLabel);
    top->addWidget(unitChooser_);

    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < maxFields; ++i) {
        Field field{new QLabel(this), new QLineEdit(this), new QLabel(this)};
        field.edit->setObjectName(QString("value%1").arg(i));
        field.error->setObjectName(QString("error%1").arg(i));
        field.edit->setMaxLength(40);
        field.edit->setMaximumWidth(110);
        field.label->setBuddy(field.edit);
        field.error->setWordWrap(true);
        field.error->setStyleSheet(QString("color: %1").arg(kit::wrongColour().name()));
        const int row = static_cast<int>(i);
        grid->addWidget(field.label, row, 0);
        grid->addWidget(field.edit, row, 1);
        grid->addWidget(field.error, row, 2);
        connect(field.edit, &QLineEdit::textEdited, this, &CalculatorPanel::calculate);
        connect(field.edit, &QLineEdit::returnPressed, this, &CalculatorPanel::calculate);
        fields_.push_back(field);
    }
    grid->setColumnStretch(2, 1);
    grid->addWidget(calculateButton_, 0, 3);

    canvas_->setGridVisible(true);
    canvas_->setAxesVisible(false);
    canvas_->setPainterCallback([this](QPainter& painter, const kit::CanvasTransform& t) {
        if (!calculation_)
            return;
        drawFigure(painter, t, calculation_->figure);
        drawScale(painter, t);
    });
    results_->setMinimumHeight(150);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addWidget(canvas_, 3);
    layout->addWidget(results_, 2);

    connect(shapeChooser_, &QComboBox::currentIndexChanged, this, &CalculatorPanel::chooseShape);
    connect(unitChooser_, &QComboBox::currentIndexChanged, this, &CalculatorPanel::calculate);
    connect(calculateButton_, &QPushButton::clicked, this, &CalculatorPanel::calculate);
    chooseShape(0);
}

void CalculatorPanel::drawScale(QPainter& painter, const kit::CanvasTransform& t) const {
    // The canvas draws its grid lines this far apart (see kit::Canvas).
    const double step = kit::niceTickStep(t.scaleX(), 40);
    const QString text = tr("Drawn to scale: one grid square is %1 %2 across")
                             .arg(QString::number(step, 'g', 6), unit());
    painter.save();
    const QRectF box = QRectF(painter.fontMetrics().boundingRect(text)).adjusted(-4, -2, 4, 2);
    const QRectF placed = box.translated(8 - box.left(), 8 - box.top());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    painter.drawRect(placed);
    painter.setPen(Qt::darkGray);
    painter.drawText(placed, Qt::AlignCenter, text);
    painter.restore();
}

Shape CalculatorPanel::shape() const {
    const auto index = static_cast<std::size_t>(std::max(0, shapeChooser_->currentIndex()));
    return shapeCatalogue()[std::min(index, shapeCatalogue().size() - 1)].shape;
}

QString CalculatorPanel::unit() const {
    return unitChooser_->currentIndex() == unitChooser_->count() - 1 ? tr("units")
                                                                     : unitChooser_->currentText();
}

void CalculatorPanel::chooseShape(int index) {
    if (shapeChooser_->currentIndex() != index)
        shapeChooser_->setCurrentIndex(index);
    buildFields();
    calculate();
}

void CalculatorPanel::buildFields() {
    const ShapeInfo& info = shapeInfo(shape());
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const bool used = i < info.parameters.size();
        Field& field = fields_[i];
        field.label->setVisible(used);
        field.edit->setVisible(used);
        field.error->setVisible(used);
        field.error->clear();
        if (!used)
            continue;
        const Parameter& p = info.parameters[i];
        const QString suffix =
            p.quantity == Parameter::Quantity::Angle ? tr(" (degrees)") : QString();
        field.label->setText(
            QString("%1 %2%3 =")
                .arg(QString::fromStdString(p.name), QString::fromStdString(p.symbol), suffix));
        field.edit->setText(QString::fromStdString(p.firstValue));
    }
}

void CalculatorPanel::showError(std::size_t field, const QString& message) {
    calculation_.reset();
    if (field < fields_.size())
        fields_[field].error->setText(message);
    results_->setHtml(tr("<p style='color:%1'>Correct the value marked in red to see the "
                         "area.</p>")
                          .arg(kit::wrongColour().name()));
    canvas_->update();
}

void CalculatorPanel::calculate() {
    const ShapeInfo& info = shapeInfo(shape());
    std::vector<mpq_class> values;
    bool readable = true;
    for (std::size_t i = 0; i < info.parameters.size(); ++i) {
        const auto value = readValue(info.parameters[i], fields_[i].edit->text().toStdString());
        if (value.ok()) {
            fields_[i].error->clear();
            values.push_back(value.value());
        } else {
            fields_[i].error->setText(QString::fromStdString(value.error().message));
            readable = false;
        }
    }
    if (!readable) {
        showError(fields_.size(), QString());
        return;
    }
    CalculationResult result = planesurface::calculate(shape(), values);
    if (const auto* error = std::get_if<InputError>(&result)) {
        showError(error->field, QString::fromStdString(error->message));
        return;
    }
    calculation_ = std::get<Calculation>(std::move(result));
    results_->setHtml(resultHtml(*calculation_));
    canvas_->setWorldRect(figureBounds(calculation_->figure));
    canvas_->update();
}

QString CalculatorPanel::resultHtml(const Calculation& c) const {
    const QString u = unit().toHtmlEscaped();
    QString text = "<h3>" + tr("Area") + "</h3>";
    text += "<p>" + html(c.areaFormula) + "<br>" + html(c.areaSubstitution) + "<br><b>" +
            equation("A", c.area) + " " + u + "\u00b2</b></p>";
    text += "<h3>" + QString::fromStdString(c.perimeterName).toHtmlEscaped() + "</h3>";
    if (c.perimeter) {
        const QString symbol = c.perimeterName == "Circumference" ? "C" : "P";
        text += "<p>" + html(c.perimeterFormula) + "<br>" + html(c.perimeterSubstitution) +
                "<br><b>" + equation(symbol, *c.perimeter) + " " + u + "</b></p>";
    }
    if (!c.perimeterNote.empty())
        text += "<p><i>" + html(c.perimeterNote) + "</i></p>";
    if (!c.steps.empty()) {
        text += "<h3>" + tr("How it works") + "</h3><ul>";
        for (const std::string& step : c.steps)
            text += "<li>" + html(step) + "</li>";
        text += "</ul>";
    }
    return text;
}

} // namespace planesurface
