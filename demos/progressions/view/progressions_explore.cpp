#include "progressions/view/progressions_explore.h"

#include "progressions/core/sequence_table.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace progressions {
namespace {

struct ModeText {
    const char* title;
    const char* firstLabel; // empty: no first field
    const char* first;
    const char* ruleLabel; // empty: no rule field
    const char* rule;
};

const ModeText modes[] = {
    {"Arithmetic sequence", "First term a\u2081", "2", "Difference d", "3"},
    {"Geometric sequence", "First term a\u2081", "1", "Ratio r", "1/2"},
    {"Formula a\u2099 in n", "", "", "a\u2099 =", "(-1)^(n+1)/n"},
    {"Recursion a\u2099 from a = a\u2099\u208b\u2081", "First term a\u2081", "1",
     "a\u2099 =", "a/2 + 1/n"},
    {"Harmonic series \u2211 1/n", "", "", "", ""},
    {"\u2211 1/n\u00b2 (\u03c0\u00b2/6)", "", "", "", ""},
    {"\u2211 (\u22121)\u207f\u207a\u00b9/(2n\u22121) (\u03c0/4)", "", "", "", ""},
};

} // namespace

ProgressionsExplore::ProgressionsExplore(QWidget* parent) : QWidget(parent) {
    modeChooser_ = new QComboBox(this);
    modeChooser_->setObjectName("modeChooser");
    for (const ModeText& mode : modes)
        modeChooser_->addItem(QString::fromUtf8(mode.title));
    firstLabel_ = new QLabel(this);
    firstField_ = new QLineEdit(this);
    firstField_->setObjectName("firstField");
    ruleLabel_ = new QLabel(this);
    ruleField_ = new QLineEdit(this);
    ruleField_->setObjectName("ruleField");
    countField_ = new QSpinBox(this);
    countField_->setObjectName("countField");
    countField_->setRange(1, static_cast<int>(maxTerms));
    countField_->setValue(20);
    message_ = new QLabel(this);
    message_->setObjectName("inputMessage");
    message_->setWordWrap(true);
    message_->setStyleSheet("color: #b00020;");
    facts_ = new QTextBrowser(this);
    facts_->setObjectName("sequenceFacts");
    canvas_ = new kit::Canvas(this);
    canvas_->setObjectName("sequenceCanvas");
    canvas_->setEqualAspect(false);
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paintSequence(painter, t); });

    auto* form = new QFormLayout;
    form->addRow("Sequence", modeChooser_);
    form->addRow(firstLabel_, firstField_);
    form->addRow(ruleLabel_, ruleField_);
    form->addRow("Terms n", countField_);
    auto* legend = new QLabel("<span style='color:#1565c0'>\u25cf terms a\u2099</span> &nbsp; "
                              "<span style='color:#e65100'>\u2014 partial sums S\u2099</span>",
                              this);
    facts_->setMaximumHeight(150);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(message_);
    layout->addWidget(legend);
    layout->addWidget(canvas_, 1);
    layout->addWidget(facts_);

    connect(modeChooser_, &QComboBox::currentIndexChanged, this, &ProgressionsExplore::chooseMode);
    connect(firstField_, &QLineEdit::textChanged, this, &ProgressionsExplore::recompute);
    connect(ruleField_, &QLineEdit::textChanged, this, &ProgressionsExplore::recompute);
    connect(countField_, &QSpinBox::valueChanged, this, &ProgressionsExplore::recompute);
    chooseMode(0);
}

void ProgressionsExplore::chooseMode(int index) {
    const ModeText& mode = modes[std::clamp(index, 0, static_cast<int>(std::size(modes)) - 1)];
    const bool hasFirst = *mode.firstLabel != '\0', hasRule = *mode.ruleLabel != '\0';
    firstLabel_->setText(QString::fromUtf8(mode.firstLabel));
    ruleLabel_->setText(QString::fromUtf8(mode.ruleLabel));
    firstLabel_->setVisible(hasFirst);
    firstField_->setVisible(hasFirst);
    ruleLabel_->setVisible(hasRule);
    ruleField_->setVisible(hasRule);
    const QSignalBlocker blockFirst(firstField_), blockRule(ruleField_);
    firstField_->setText(QString::fromUtf8(mode.first));
    ruleField_->setText(QString::fromUtf8(mode.rule));
    recompute();
}

void ProgressionsExplore::recompute() {
    try {
        SequenceRequest request;
        request.mode = static_cast<SequenceMode>(modeChooser_->currentIndex());
        request.first = firstField_->text().toStdString();
        request.rule = ruleField_->text().toStdString();
        request.count = countField_->value();
        const SequenceTable table = computeTable(request);
        message_->setText(QString::fromStdString(table.error));
        if (!table.error.empty())
            return;
        terms_ = table.terms;
        sums_ = table.partialSums;
        facts_->setHtml(QString::fromStdString(table.facts));
    } catch (const std::exception& error) {
        message_->setText(QString("That sequence could not be computed: ") + error.what());
        return;
    }
    double low = 0, high = 1;
    for (const auto* values : {&terms_, &sums_})
        for (double v : *values) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    const double margin = (high - low) * 0.08 + 1e-9;
    const double count = static_cast<double>(std::max<std::size_t>(terms_.size(), 2));
    canvas_->setWorldRect(
        QRectF(-count * 0.05, low - margin, count * 1.1, high - low + 2 * margin));
    canvas_->update();
}

void ProgressionsExplore::paintSequence(QPainter& painter, const kit::CanvasTransform& t) const {
    painter.setRenderHint(QPainter::Antialiasing);
    QPolygonF sumLine;
    for (std::size_t k = 0; k < sums_.size(); ++k)
        sumLine << t.toPixels(QPointF(static_cast<double>(k + 1), sums_[k]));
    painter.setPen(QPen(QColor("#e65100"), 2));
    painter.drawPolyline(sumLine);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor("#1565c0"));
    const double radius = terms_.size() > 200 ? 1.5 : 3.5;
    for (std::size_t k = 0; k < terms_.size(); ++k)
        painter.drawEllipse(t.toPixels(QPointF(static_cast<double>(k + 1), terms_[k])), radius,
                            radius);
}

} // namespace progressions
