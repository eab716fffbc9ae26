#include "angles/view/wave_tab.h"

#include "graphs/view/plot_drawing.h"

#include "kit/core/expression_input.h"
#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

namespace angles {

namespace {

struct SliderRange {
    const char* name;
    const char* label;
    int low, high, start;
    double scale; // slider units per one
};

// b stays positive: a negative b is a reflection, shown by a negative A.
const SliderRange sliderRanges[] = {{"amplitudeSlider", "A (amplitude)", -40, 40, 10, 10},
                                    {"frequencySlider", "b (frequency)", 1, 40, 10, 10},
                                    {"phaseSlider", "c (phase shift)", -314, 314, 0, 100},
                                    {"shiftSlider", "d (vertical shift)", -30, 30, 0, 10}};

// Marks at the multiples of π/2 along the x-axis, labelled as a learner writes them.
void drawPiTicks(QPainter& painter, const kit::CanvasTransform& t) {
    const double half = std::numbers::pi / 2;
    const QRectF world = t.world();
    painter.save();
    painter.setPen(QColor(120, 60, 10));
    for (long k = static_cast<long>(std::ceil(world.left() / half));
         k <= static_cast<long>(std::floor(world.right() / half)); ++k) {
        if (k == 0)
            continue;
        const QPointF at = t.toPixels(QPointF(static_cast<double>(k) * half, 0));
        painter.drawLine(at + QPointF(0, -4), at + QPointF(0, 4));
        const long whole = k % 2 == 0 ? k / 2 : k;
        QString label = (whole < 0 ? "\u2212" : "") +
                        (std::abs(whole) == 1 ? QString() : QString::number(std::abs(whole))) +
                        "\u03c0" + (k % 2 == 0 ? "" : "/2");
        painter.drawText(QRectF(at.x() - 30, at.y() - 22, 60, 16), Qt::AlignCenter, label);
    }
    painter.restore();
}

} // namespace

WaveTab::WaveTab(QWidget* parent)
    : QWidget(parent), kindChooser_(new QComboBox(this)), facts_(new QLabel(this)),
      canvas_(new kit::Canvas(this)) {
    kindChooser_->setObjectName("waveChooser");
    kindChooser_->addItems({"y = A sin(b(x \u2212 c)) + d", "y = A cos(b(x \u2212 c)) + d",
                            "y = A tan(b(x \u2212 c)) + d"});
    auto* grid = new QGridLayout;
    for (std::size_t k = 0; k < 4; ++k) {
        sliders_[k] = new QSlider(Qt::Horizontal, this);
        sliders_[k]->setObjectName(sliderRanges[k].name);
        sliders_[k]->setRange(sliderRanges[k].low, sliderRanges[k].high);
        sliders_[k]->setValue(sliderRanges[k].start);
        values_[k] = new QLabel(this);
        values_[k]->setMinimumWidth(50);
        const int row = static_cast<int>(k);
        grid->addWidget(new QLabel(tr(sliderRanges[k].label), this), row, 0);
        grid->addWidget(sliders_[k], row, 1);
        grid->addWidget(values_[k], row, 2);
        connect(sliders_[k], &QSlider::valueChanged, this, [this] { update_(); });
    }
    facts_->setObjectName("waveFacts");
    facts_->setWordWrap(true);
    canvas_->setObjectName("wavePlot");
    canvas_->setEqualAspect(false);
    canvas_->setWorldRect(QRectF(-2 * std::numbers::pi, -5, 4 * std::numbers::pi, 10));
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paint(painter, t); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(kindChooser_);
    layout->addLayout(grid);
    layout->addWidget(canvas_, 1);
    layout->addWidget(facts_);
    connect(kindChooser_, &QComboBox::currentIndexChanged, this, [this] { update_(); });
    update_();
}

void WaveTab::update_() {
    double v[4];
    for (std::size_t k = 0; k < 4; ++k) {
        v[k] = sliders_[k]->value() / sliderRanges[k].scale;
        values_[k]->setText(QString::number(v[k], 'f', k == 2 ? 2 : 1).replace("-", "\u2212"));
    }
    wave_ = Sinusoid{static_cast<WaveKind>(std::max(0, kindChooser_->currentIndex())), v[0], v[1],
                     v[2], v[3]};
    facts_->setText(QString::fromStdString(factsHtml(wave_)));
    canvas_->update();
}

void WaveTab::markAngle(double radians) {
    marked_ = radians;
    canvas_->update();
}

void WaveTab::paint(QPainter& painter, const kit::CanvasTransform& t) const {
    const char* base[] = {"sin(x)", "cos(x)", "tan(x)"};
    const auto plain = kit::Expression::parse(base[static_cast<int>(wave_.kind)], {"x"});
    if (plain.ok())
        graphs::drawFunction(painter, t, plain.value(), QColor(150, 150, 150), Qt::DashLine);
    const auto moved = kit::Expression::parse(typedFormula(wave_), {"x"});
    if (moved.ok())
        graphs::drawFunction(painter, t, moved.value(), kit::pageColour());
    drawPiTicks(painter, t);
    // θ from the unit circle: the plain graph's height there is sin θ (or cos θ, tan θ).
    const Sinusoid plainWave{wave_.kind, 1, 1, 0, 0};
    const double height = valueAt(plainWave, marked_);
    if (std::isfinite(height) && std::abs(height) < 50) {
        const QPointF foot = t.toPixels(QPointF(marked_, 0)),
                      top = t.toPixels(QPointF(marked_, height));
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kit::accentColour(), 1.5, Qt::DashLine));
        painter.drawLine(foot, top);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kit::accentColour());
        painter.drawEllipse(top, 4.5, 4.5);
        painter.setPen(kit::accentColour());
        painter.drawText(top + QPointF(6, -6), tr("\u03b8 of P"));
        painter.restore();
    }
    // One period marked on the axis, from the phase shift on.
    const QPointF from = t.toPixels(QPointF(wave_.phase, wave_.shift));
    const QPointF to = t.toPixels(QPointF(wave_.phase + period(wave_), wave_.shift));
    painter.setPen(QPen(kit::accentColour(), 3));
    painter.drawLine(from, to);
    painter.drawLine(from + QPointF(0, -6), from + QPointF(0, 6));
    painter.drawLine(to + QPointF(0, -6), to + QPointF(0, 6));
    painter.drawText((from + to) / 2 + QPointF(-30, 20), tr("one period"));
}

} // namespace angles
