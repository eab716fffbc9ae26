#include "gridpoints/view/coordinate_panel.h"

#include "gridpoints/view/plane_canvas.h"
#include "gridpoints/view/plane_drawing.h"

#include "kit/core/number_input.h"
#include "kit/view/course_colours.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <cmath>

namespace gridpoints {

namespace {

constexpr std::size_t maxPoints = 5;
constexpr long coordinateLimit = 1000;
const char* const names[maxPoints] = {"A", "B", "C", "D", "E"};
const QColor pointColours[maxPoints] = {QColor(170, 30, 30), QColor(34, 85, 136),
                                        QColor(200, 110, 20), QColor(110, 40, 150),
                                        QColor(20, 110, 40)};

QString html(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

QString typedText(const ExactPoint& p) {
    return QString::fromStdString(pointText(p));
}

} // namespace

CoordinatePanel::CoordinatePanel(std::vector<PlaneMode> modes, QWidget* parent)
    : QWidget(parent), modes_(std::move(modes)), modeChooser_(new QComboBox(this)),
      corners_(new QSpinBox(this)), cornersLabel_(new QLabel(tr("C&orners:"), this)),
      pointError_(new QLabel(this)), ratioLabel_(new QLabel(tr("&Ratio m : n ="), this)),
      ratioM_(new QLineEdit("1", this)), ratioN_(new QLineEdit("2", this)),
      ratioColon_(new QLabel(":", this)), canvas_(new PlaneCanvas(this)),
      values_(new QTextBrowser(this)) {
    setObjectName("coordinatePanel");
    modeChooser_->setObjectName("modeChooser");
    corners_->setObjectName("corners");
    pointError_->setObjectName("pointError");
    ratioM_->setObjectName("ratioM");
    ratioN_->setObjectName("ratioN");
    canvas_->setObjectName("coordinatePlane");
    values_->setObjectName("planeValues");
    for (PlaneMode mode : modes_)
        modeChooser_->addItem(QString::fromStdString(modeTitle(mode)));
    corners_->setRange(3, 5);
    corners_->setValue(4);
    cornersLabel_->setBuddy(corners_);
    ratioLabel_->setBuddy(ratioM_);
    for (QLineEdit* field : {ratioM_, ratioN_})
        field->setMaximumWidth(50);
    pointError_->setStyleSheet(QString("color: %1").arg(kit::wrongColour().name()));
    pointError_->setWordWrap(true);

    // The first positions: taken in order they also make a convex pentagon.
    const std::vector<ExactPoint> start{{-3, -2}, {3, 2}, {-1, 3}, {-4, 1}, {-5, -1}};
    auto* fields = new QGridLayout;
    QStringList ids;
    for (std::size_t i = 0; i < maxPoints; ++i) {
        points_.push_back(start[i]);
        auto* label = new QLabel(QString("&%1 =").arg(names[i]), this);
        auto* field = new QLineEdit(typedText(start[i]), this);
        field->setObjectName(QString("point%1").arg(names[i]));
        field->setMaxLength(60);
        field->setMaximumWidth(110);
        label->setBuddy(field);
        const int row = static_cast<int>(i / 3), column = static_cast<int>(i % 3) * 2;
        fields->addWidget(label, row, column);
        fields->addWidget(field, row, column + 1);
        pointLabels_.push_back(label);
        pointFields_.push_back(field);
        connect(field, &QLineEdit::textEdited, this, [this, i] { pointTyped(i); });
        canvas_->addPoint(names[i], QPointF(start[i].x.get_d(), start[i].y.get_d()), 1.0, names[i],
                          pointColours[i]);
        ids << names[i];
    }
    fields->setColumnStretch(6, 1);
    canvas_->setPlaceablePoints(ids);
    canvas_->setWorldRect(QRectF(-8, -7, 16, 14));
    canvas_->setPointBounds(
        QRectF(-coordinateLimit, -coordinateLimit, 2 * coordinateLimit, 2 * coordinateLimit));
    canvas_->setPainterCallback([this](QPainter& painter, const kit::CanvasTransform& t) {
        drawMode(painter, t, mode(), usedPoints(), m_, n_);
    });

    auto* top = new QHBoxLayout;
    auto* modeLabel = new QLabel(tr("&Show:"), this);
    modeLabel->setBuddy(modeChooser_);
    top->addWidget(modeLabel);
    top->addWidget(modeChooser_, 1);
    top->addWidget(cornersLabel_);
    top->addWidget(corners_);
    top->addWidget(ratioLabel_);
    top->addWidget(ratioM_);
    top->addWidget(ratioColon_);
    top->addWidget(ratioN_);

    auto* hint =
        new QLabel(tr("Type a point as (x, y), drag it, or press Space to pick a point and "
                      "click where it should go."),
                   this);
    hint->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(fields);
    layout->addWidget(pointError_);
    layout->addWidget(hint);
    layout->addWidget(canvas_, 3);
    layout->addWidget(values_, 2);

    connect(modeChooser_, &QComboBox::currentIndexChanged, this, &CoordinatePanel::refresh);
    connect(corners_, &QSpinBox::valueChanged, this, &CoordinatePanel::refresh);
    connect(ratioM_, &QLineEdit::textChanged, this, &CoordinatePanel::refresh);
    connect(ratioN_, &QLineEdit::textChanged, this, &CoordinatePanel::refresh);
    connect(canvas_, &kit::Canvas::pointMoved, this, &CoordinatePanel::pointDragged);
    refresh();
}

PlaneMode CoordinatePanel::mode() const {
    const int index = std::max(0, modeChooser_->currentIndex());
    return modes_[std::min(static_cast<std::size_t>(index), modes_.size() - 1)];
}

std::size_t CoordinatePanel::used() const {
    return pointsUsed(mode(), static_cast<std::size_t>(corners_->value()));
}

std::vector<ExactPoint> CoordinatePanel::usedPoints() const {
    return {points_.begin(), points_.begin() + static_cast<std::ptrdiff_t>(used())};
}

void CoordinatePanel::pointTyped(std::size_t index) {
    const auto parsed = parsePoint(pointFields_[index]->text().toStdString());
    if (!parsed.ok()) {
        pointError_->setText(
            QString("%1: %2").arg(names[index], QString::fromStdString(parsed.error().message)));
        return;
    }
    const ExactPoint& p = parsed.value();
    if (abs(p.x) > coordinateLimit || abs(p.y) > coordinateLimit) {
        pointError_->setText(tr("%1: keep the coordinates between -%2 and %2")
                                 .arg(names[index])
                                 .arg(coordinateLimit));
        return;
    }
    pointError_->clear();
    points_[index] = p;
    canvas_->setPointPosition(names[index], QPointF(p.x.get_d(), p.y.get_d()));
    refresh();
}

void CoordinatePanel::pointDragged(const QString& id, QPointF position) {
    for (std::size_t i = 0; i < maxPoints; ++i)
        if (id == names[i]) {
            // Dragged and clicked points snap to whole numbers, which doubles hold exactly.
            points_[i] = {mpq_class(std::round(position.x())), mpq_class(std::round(position.y()))};
            pointFields_[i]->setText(typedText(points_[i]));
            pointError_->clear();
        }
    refresh();
}

bool CoordinatePanel::readRatio() {
    const auto m = kit::parseRational(ratioM_->text().toStdString());
    const auto n = kit::parseRational(ratioN_->text().toStdString());
    if (!m.ok() || !n.ok()) {
        pointError_->setText(
            tr("ratio: %1")
                .arg(QString::fromStdString(m.ok() ? n.error().message : m.error().message)));
        return false;
    }
    if (m.value() <= 0 || n.value() <= 0 || m.value() > 1000 || n.value() > 1000) {
        pointError_->setText(tr("ratio: m and n are numbers from more than 0 up to 1000"));
        return false;
    }
    m_ = m.value();
    n_ = n.value();
    return true;
}

void CoordinatePanel::refresh() {
    const bool section = mode() == PlaneMode::Section;
    if (section && readRatio() && pointError_->text().startsWith("ratio"))
        pointError_->clear();
    const bool polygon = mode() == PlaneMode::PolygonArea;
    corners_->setVisible(polygon);
    cornersLabel_->setVisible(polygon);
    for (QWidget* w : std::initializer_list<QWidget*>{ratioLabel_, ratioM_, ratioN_, ratioColon_})
        w->setVisible(section);
    for (std::size_t i = 0; i < maxPoints; ++i) {
        const bool shown = i < used();
        pointLabels_[i]->setVisible(shown);
        pointFields_[i]->setVisible(shown);
    }
    QStringList shownIds;
    for (std::size_t i = 0; i < maxPoints; ++i) {
        if (i < used()) {
            shownIds << names[i];
            canvas_->addPoint(names[i], QPointF(points_[i].x.get_d(), points_[i].y.get_d()), 1.0,
                              names[i], pointColours[i]);
        } else {
            canvas_->removePoint(names[i]);
        }
    }
    canvas_->setPlaceablePoints(shownIds);
    QString text = "<p><b>" + html(modeTitle(mode())) + "</b><br>";
    for (std::size_t i = 0; i < used(); ++i)
        text += QString("%1 = %2&nbsp;&nbsp; ").arg(names[i], html(pointText(points_[i])));
    text += "</p><ul>";
    for (const std::string& line : readout(mode(), usedPoints(), m_, n_))
        text += "<li>" + html(line) + "</li>";
    values_->setHtml(text + "</ul>");
    canvas_->update();
}

} // namespace gridpoints
