#include "constructionkit/view/construction_player.h"

#include "constructionkit/view/construction_drawing.h"
#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace constructions {

// The canvas of the player: while a tool is chosen in Try it, a click near a marked point picks
// it instead of starting a drag.
class PickingCanvas : public kit::Canvas {
  public:
    using Canvas::Canvas;
    std::function<bool(QPointF world, double pixelsPerUnit)> onClick;

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (onClick && onClick(transform().toWorld(event->position()), transform().scaleX()))
            return;
        Canvas::mousePressEvent(event);
    }
};

namespace {

const QColor doneColour(34, 85, 136);
const QColor currentColour(200, 110, 20);
const QColor givenColour(20, 20, 20);
const QColor givenPointColour(170, 30, 30);
const QColor markedColour(20, 110, 40);
// Circles and whole lines are the scaffolding: drawn light once done, so that the segments and
// rays of the result stand out.
const QColor scaffoldColour(140, 165, 200);

QColor doneColourOf(const ConstructionObject& o) {
    const bool result = o.kind == ObjectKind::Line && o.extent != LineExtent::Whole;
    return result ? doneColour : scaffoldColour;
}

// Animation: frames of 30 ms, a step drawn in about a second, a pause before the next in Play.
constexpr int frameMilliseconds = 30;
constexpr double progressPerFrame = 0.035;

QString html(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

ConstructionPlayer::ConstructionPlayer(std::shared_ptr<const Construction> construction,
                                       QWidget* parent)
    : QWidget(parent), c_(std::move(construction)), figure_(placeAtStart(*c_)),
      tryIt_(std::make_unique<TryIt>(*c_, figure_)), canvas_(new PickingCanvas(this)),
      mode_(new QComboBox(this)), controls_(new QStackedWidget(this)),
      caption_(new QTextBrowser(this)), timer_(new QTimer(this)) {
    canvas_->setObjectName("constructionCanvas");
    mode_->setObjectName("modeChooser");
    caption_->setObjectName("captionView");
    canvas_->setGridVisible(false);
    canvas_->setAxesVisible(false);
    canvas_->setWorldRect(fittingView());
    canvas_->setPointBounds(canvas_->worldRect().adjusted(-5, -5, 5, 5));
    for (int index : c_->givenPoints()) {
        const ConstructionObject& o = c_->objects[static_cast<std::size_t>(index)];
        canvas_->addPoint(QString::fromStdString(o.name), QPointF(o.start.x, o.start.y), 0.0,
                          QString::fromStdString(o.name), givenPointColour);
    }
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paint(painter, t); });
    canvas_->onClick = [this](QPointF world, double pixelsPerUnit) {
        if (!trying_ || tool_ == Tool::None)
            return false;
        std::string nearest;
        double best = 12.0 / std::max(pixelsPerUnit, 1e-9);
        for (std::size_t i = 0; i < c_->objects.size(); ++i) {
            const auto& o = c_->objects[i];
            const auto at = figure_.point(*c_, o.name);
            if (o.kind != ObjectKind::Point || !at || !tryIt_->known(o.name))
                continue;
            const double d = std::hypot(at->x - world.x(), at->y - world.y());
            if (d < best) {
                best = d;
                nearest = o.name;
            }
        }
        if (nearest.empty())
            return false;
        pointPicked(QString::fromStdString(nearest));
        return true;
    };
    mode_->addItems({tr("Watch the construction"), tr("Try it yourself")});
    caption_->setMinimumHeight(110);
    caption_->setOpenLinks(false);
    controls_->addWidget(makeWatchControls());
    controls_->addWidget(makeTryControls());
    fitControlsToMode();
    auto* top = new QHBoxLayout;
    auto* modeLabel = new QLabel(tr("&Mode:"), this);
    modeLabel->setBuddy(mode_);
    top->addWidget(modeLabel);
    top->addWidget(mode_);
    top->addWidget(
        new QLabel(tr("Drag the red given points: the whole construction follows."), this), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(canvas_, 1);
    layout->addWidget(controls_);
    layout->addWidget(caption_);
    timer_->setInterval(frameMilliseconds);
    connect(timer_, &QTimer::timeout, this, &ConstructionPlayer::advanceAnimation);
    connect(mode_, &QComboBox::currentIndexChanged, this, &ConstructionPlayer::chooseMode);
    connect(canvas_, &kit::Canvas::pointMoved, this, [this] { givenMoved(); });
    showCaption();
}

QWidget* ConstructionPlayer::makeWatchControls() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* start = button(tr("|< St&art"), "restartButton", box);
    back_ = button(tr("< &Back"), "backButton", box);
    play_ = button(tr("&Play"), "playButton", box);
    forward_ = button(tr("&Forward >"), "forwardButton", box);
    stepLabel_ = new QLabel(box);
    stepLabel_->setObjectName("stepLabel");
    for (QWidget* w : std::initializer_list<QWidget*>{start, back_, play_, forward_})
        row->addWidget(w);
    row->addWidget(stepLabel_, 1);
    connect(start, &QPushButton::clicked, this, &ConstructionPlayer::restart);
    connect(back_, &QPushButton::clicked, this, &ConstructionPlayer::stepBack);
    connect(play_, &QPushButton::clicked, this, &ConstructionPlayer::togglePlay);
    connect(forward_, &QPushButton::clicked, this, &ConstructionPlayer::stepForward);
    return box;
}

QWidget* ConstructionPlayer::makeTryControls() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto* tools = new QHBoxLayout;
    edge_ = button(tr("&Straight edge"), "edgeTool", box);
    compass_ = button(tr("&Compass"), "compassTool", box);
    segmentCompass_ = button(tr("Compass &opened to a segment"), "segmentCompassTool", box);
    for (QPushButton* b : {edge_, compass_, segmentCompass_}) {
        b->setCheckable(true);
        tools->addWidget(b);
    }
    auto* hint = button(tr("&Hint"), "hintButton", box);
    auto* over = button(tr("Start o&ver"), "startOverButton", box);
    tools->addWidget(hint);
    tools->addWidget(over);
    tools->addStretch(1);
    auto* typedRow = new QHBoxLayout;
    typed_ = new QLineEdit(box);
    typed_->setObjectName("toolField");
    typed_->setMaxLength(80);
    typed_->setPlaceholderText(tr("or type: line A B, circle A B, circle A radius B C"));
    auto* typedLabel = new QLabel(tr("&Draw:"), box);
    typedLabel->setBuddy(typed_);
    auto* draw = button(tr("Dra&w"), "drawButton", box);
    pickedLabel_ = new QLabel(box);
    pickedLabel_->setObjectName("pickedLabel");
    typedRow->addWidget(typedLabel);
    typedRow->addWidget(typed_, 1);
    typedRow->addWidget(draw);
    typedRow->addWidget(pickedLabel_);
    tryVerdict_ = new QLabel(box);
    tryVerdict_->setObjectName("tryVerdict");
    tryVerdict_->setWordWrap(true);
    // Room for three lines from the start, so that a verdict does not shift the canvas.
    tryVerdict_->setMinimumHeight(3 * tryVerdict_->fontMetrics().lineSpacing() + 4);
    tryVerdict_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addLayout(tools);
    column->addLayout(typedRow);
    column->addWidget(tryVerdict_);
    connect(edge_, &QPushButton::clicked, this, [this] { chooseTool(Tool::StraightEdge); });
    connect(compass_, &QPushButton::clicked, this, [this] { chooseTool(Tool::Compass); });
    connect(segmentCompass_, &QPushButton::clicked, this,
            [this] { chooseTool(Tool::CompassBySegment); });
    connect(hint, &QPushButton::clicked, this, &ConstructionPlayer::showHint);
    connect(over, &QPushButton::clicked, this, &ConstructionPlayer::startOver);
    connect(draw, &QPushButton::clicked, this, &ConstructionPlayer::drawTyped);
    connect(typed_, &QLineEdit::returnPressed, this, &ConstructionPlayer::drawTyped);
    return box;
}

QRectF ConstructionPlayer::fittingView() const {
    double left = 1e9, right = -1e9, low = 1e9, high = -1e9;
    auto include = [&](Vec2 p, double r) {
        left = std::min(left, p.x - r);
        right = std::max(right, p.x + r);
        low = std::min(low, p.y - r);
        high = std::max(high, p.y + r);
    };
    for (const PlacedObject& p : figure_.objects) {
        if (!p.defined)
            continue;
        include(p.point, 0.0);
        if (p.circle.radius > 0)
            include(p.circle.centre, p.circle.radius);
    }
    if (left > right)
        return {-10, -10, 20, 20};
    const double pad = 0.08 * std::max(right - left, high - low) + 1.0;
    return {left - pad, low - pad, right - left + 2 * pad, high - low + 2 * pad};
}

std::vector<Vec2> ConstructionPlayer::givenPositions() const {
    std::vector<Vec2> out;
    for (int index : c_->givenPoints()) {
        const QPointF p = canvas_->pointPosition(
            QString::fromStdString(c_->objects[static_cast<std::size_t>(index)].name));
        out.push_back({p.x(), p.y()});
    }
    return out;
}

void ConstructionPlayer::givenMoved() {
    figure_ = placeFigure(*c_, givenPositions());
    tryIt_->moveGivens(figure_);
    showCaption();
    canvas_->update();
}

void ConstructionPlayer::stepForward() {
    if (shown_ > 0 && progress_ < 1.0) {
        progress_ = 1.0; // finish the step being drawn first
    } else if (shown_ < static_cast<int>(c_->steps.size())) {
        ++shown_;
        progress_ = 0.0;
        timer_->start();
    }
    showCaption();
    canvas_->update();
}

void ConstructionPlayer::stepBack() {
    playing_ = false;
    if (shown_ > 0)
        --shown_;
    progress_ = 1.0;
    timer_->stop();
    showCaption();
    canvas_->update();
}

void ConstructionPlayer::togglePlay() {
    playing_ = !playing_;
    if (playing_ && shown_ == static_cast<int>(c_->steps.size()) && progress_ >= 1.0)
        shown_ = 0;
    if (playing_ && (shown_ == 0 || progress_ >= 1.0)) {
        ++shown_;
        progress_ = 0.0;
    }
    if (playing_)
        timer_->start();
    showCaption();
    canvas_->update();
}

void ConstructionPlayer::restart() {
    playing_ = false;
    timer_->stop();
    shown_ = 0;
    progress_ = 1.0;
    showCaption();
    canvas_->update();
}

void ConstructionPlayer::advanceAnimation() {
    if (progress_ < 1.0) {
        progress_ = std::min(1.0, progress_ + progressPerFrame);
    } else if (playing_ && shown_ < static_cast<int>(c_->steps.size())) {
        ++shown_;
        progress_ = 0.0;
        showCaption();
    } else {
        playing_ = false;
        timer_->stop();
        showCaption();
    }
    canvas_->update();
}

void ConstructionPlayer::chooseMode(int mode) {
    trying_ = mode == 1;
    controls_->setCurrentIndex(trying_ ? 1 : 0);
    fitControlsToMode();
    restart();
    chooseTool(Tool::None);
}

// The controls take the height of the mode shown, not of the taller one.
void ConstructionPlayer::fitControlsToMode() {
    for (int i = 0; i < controls_->count(); ++i)
        controls_->widget(i)->setSizePolicy(QSizePolicy::Preferred, i == controls_->currentIndex()
                                                                        ? QSizePolicy::Preferred
                                                                        : QSizePolicy::Ignored);
    controls_->adjustSize();
}

void ConstructionPlayer::showCaption() {
    const auto total = static_cast<int>(c_->steps.size());
    stepLabel_->setText(tr("Step %1 of %2").arg(shown_).arg(total));
    back_->setEnabled(shown_ > 0);
    forward_->setEnabled(shown_ < total || progress_ < 1.0);
    play_->setText(playing_ ? tr("&Pause") : tr("&Play"));
    QString text = "<p><b>" + html(c_->title) + ".</b> " + html(c_->goal) + "</p>";
    if (!figure_.problem.empty())
        text += QString("<p style=\"color:%1\">").arg(kit::wrongColour().name()) +
                html(figure_.problem) + "</p>";
    if (trying_) {
        text += "<p>" +
                tr("Choose a tool and click the points it uses (the straight edge: two "
                   "points; the compass: the centre, then the point it opens to; opened "
                   "to a segment: the two ends, then the centre).") +
                "</p>";
        text += "<p>" + tr("Steps done: %1 of %2.").arg(tryIt_->order().size()).arg(total) + "</p>";
    } else if (shown_ == 0) {
        text += "<p>" + tr("Given:") + "</p><ul>";
        for (int index : c_->givenPoints()) {
            const auto& o = c_->objects[static_cast<std::size_t>(index)];
            text += "<li><b>" + html(o.name) + "</b>: " + html(o.description) + "</li>";
        }
        text += "</ul><p>" + tr("Press Forward or Play to watch the construction.") + "</p>";
    } else {
        const ConstructionStep& step = c_->steps[static_cast<std::size_t>(shown_ - 1)];
        text += "<p><b>" + tr("Step %1.").arg(shown_) + "</b> " + html(step.action) + "</p><p><i>" +
                tr("Why:") + "</i> " + html(step.reason) + "</p>";
        if (shown_ == total && progress_ >= 1.0) {
            text += "<p><b>" + tr("Why the construction works") + "</b></p>";
            for (const std::string& line : c_->conclusion)
                text += "<p>" + html(line) + "</p>";
        }
    }
    caption_->setHtml(text);
}

void ConstructionPlayer::paint(QPainter& painter, const kit::CanvasTransform& t) {
    DrawState given{1.0, givenColour, false};
    for (int i = 0; i < c_->givenObjects; ++i)
        drawFigureObject(painter, t, *c_, figure_, i, given);
    if (trying_)
        paintTry(painter, t);
    else
        paintWatch(painter, t);
}

void ConstructionPlayer::paintWatch(QPainter& painter, const kit::CanvasTransform& t) {
    for (int s = 0; s < shown_; ++s) {
        const ConstructionStep& step = c_->steps[static_cast<std::size_t>(s)];
        const bool current = s == shown_ - 1;
        const ConstructionObject& drawn = c_->objects[static_cast<std::size_t>(step.drawn)];
        DrawState state{current ? progress_ : 1.0, current ? currentColour : doneColourOf(drawn),
                        current && progress_ < 1.0};
        drawFigureObject(painter, t, *c_, figure_, step.drawn, state);
        if (current && progress_ < 1.0)
            continue;
        for (int marked : step.marked)
            drawFigureObject(painter, t, *c_, figure_, marked, {1.0, markedColour, false});
    }
}

void ConstructionPlayer::paintTry(QPainter& painter, const kit::CanvasTransform& t) {
    for (int s : tryIt_->order()) {
        const ConstructionStep& step = c_->steps[static_cast<std::size_t>(s)];
        const ConstructionObject& drawn = c_->objects[static_cast<std::size_t>(step.drawn)];
        const bool last = !tryIt_->order().empty() && s == tryIt_->order().back();
        drawFigureObject(painter, t, *c_, figure_, step.drawn,
                         {1.0, last ? currentColour : doneColourOf(drawn), false});
        for (int marked : step.marked)
            drawFigureObject(painter, t, *c_, figure_, marked, {1.0, markedColour, false});
    }
    for (const std::string& name : picked_)
        if (const auto at = figure_.point(*c_, name)) {
            const QPointF p = t.toPixels(QPointF(at->x, at->y));
            painter.setPen(QPen(currentColour, 3));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(p, 9, 9);
        }
}

void ConstructionPlayer::chooseTool(Tool tool) {
    tool_ = tool;
    picked_.clear();
    edge_->setChecked(tool == Tool::StraightEdge);
    compass_->setChecked(tool == Tool::Compass);
    segmentCompass_->setChecked(tool == Tool::CompassBySegment);
    const QString prompts[] = {tr(""), tr("Click the first point of the straight edge."),
                               tr("Click the centre."), tr("Click the first end of the segment.")};
    pickedLabel_->setText(prompts[static_cast<int>(tool)]);
    canvas_->update();
}

void ConstructionPlayer::pointPicked(const QString& name) {
    picked_.push_back(name.toStdString());
    const std::size_t needed = tool_ == Tool::CompassBySegment ? 3 : 2;
    if (picked_.size() < needed) {
        const QString next = tool_ == Tool::StraightEdge ? tr("Click the second point.")
                             : tool_ == Tool::Compass    ? tr("Click the point it opens to.")
                             : picked_.size() == 1       ? tr("Click the other end.")
                                                         : tr("Click the centre.");
        pickedLabel_->setText(name + ": " + next);
        canvas_->update();
        return;
    }
    ToolUse use;
    use.tool = tool_ == Tool::StraightEdge ? ToolUse::Tool::StraightEdge : ToolUse::Tool::Compass;
    if (tool_ == Tool::CompassBySegment) {
        use.radiusFrom = picked_[0];
        use.radiusTo = picked_[1];
        use.first = picked_[2];
    } else {
        use.first = picked_[0];
        use.second = picked_[1];
    }
    const Tool keep = tool_;
    tryUse(use);
    chooseTool(keep);
}

void ConstructionPlayer::drawTyped() {
    const auto parsed = parseToolUse(typed_->text().toStdString());
    if (!parsed.ok()) {
        tryVerdict_->setStyleSheet(QString("color: %1").arg(kit::wrongColour().name()));
        tryVerdict_->setText(QString::fromStdString(parsed.error().message));
        return;
    }
    tryUse(parsed.value());
}

void ConstructionPlayer::tryUse(const ToolUse& use) {
    const kit::Verdict verdict = tryIt_->use(use);
    tryVerdict_->setStyleSheet(
        QString("color: %1")
            .arg((verdict.correct ? kit::rightColour() : kit::wrongColour()).name()));
    tryVerdict_->setText(QString::fromStdString(verdict.message));
    if (verdict.correct)
        typed_->clear();
    showCaption();
    canvas_->update();
}

void ConstructionPlayer::startOver() {
    tryIt_ = std::make_unique<TryIt>(*c_, figure_);
    tryVerdict_->clear();
    chooseTool(Tool::None);
    showCaption();
}

void ConstructionPlayer::showHint() {
    const int next = tryIt_->nextStep();
    tryVerdict_->setStyleSheet(QString("color: %1").arg(kit::pageColour().name()));
    tryVerdict_->setText(next < 0 ? tr("The construction is complete.")
                                  : tr("Hint: ") +
                                        html(c_->steps[static_cast<std::size_t>(next)].action));
}

} // namespace constructions
