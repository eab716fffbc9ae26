#include "kit/view/practice_panel.h"

#include "kit/view/course_colours.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <chrono>
#include <exception>

namespace kit {

namespace {

QLabel* wrappedLabel(const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setTextFormat(Qt::RichText);
    return label;
}

Seed clockSeed() {
    return static_cast<Seed>(std::chrono::system_clock::now().time_since_epoch().count());
}

// An exercise that says its kind could not be made, instead of a crash.
Exercise unavailable(const std::string& kind) {
    Exercise e;
    e.kind = kind;
    e.prompt = "This exercise could not be made. Choose Next exercise or another kind.";
    e.check = [](std::string_view) { return Verdict{false, "There is no exercise to check."}; };
    return e;
}

} // namespace

PracticePanel::PracticePanel(std::vector<ExerciseKind> kinds, QWidget* parent)
    : QWidget(parent), kinds_(std::move(kinds)) {
    buildWidgets();
    wire();
    nextExercise();
}

void PracticePanel::buildWidgets() {
    auto* layout = new QVBoxLayout(this);
    auto* kindRow = new QHBoxLayout;
    auto* kindLabel = new QLabel(tr("&Kind of exercise:"), this);
    kindChooser_ = new QComboBox(this);
    kindChooser_->setObjectName("kindChooser");
    for (const auto& kind : kinds_)
        kindChooser_->addItem(QString::fromStdString(kind.title));
    kindLabel->setBuddy(kindChooser_);
    kindRow->addWidget(kindLabel);
    kindRow->addWidget(kindChooser_, 1);
    layout->addLayout(kindRow);

    prompt_ = wrappedLabel("prompt", this);
    prompt_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    prompt_->setMinimumHeight(60);
    prompt_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    prompt_->setStyleSheet(QString("QLabel { background: %1; border: 1px solid %2; padding: 6px; }")
                               .arg(bubbleColour().name(), pageColour().name()));
    layout->addWidget(prompt_);

    auto* answerLabel = new QLabel(tr("&Answer:"), this);
    answerField_ = new QLineEdit(this);
    answerField_->setObjectName("answerField");
    answerField_->setMaxLength(200);
    answerLabel->setBuddy(answerField_);
    auto* answerRow = new QHBoxLayout;
    answerRow->addWidget(answerLabel);
    answerRow->addWidget(answerField_, 1);
    layout->addLayout(answerRow);
    hint_ = wrappedLabel("answerHint", this);
    layout->addWidget(hint_);

    auto* buttons = new QHBoxLayout;
    checkButton_ = new QPushButton(tr("&Check"), this);
    checkButton_->setObjectName("checkButton");
    solutionButton_ = new QPushButton(tr("Show &solution"), this);
    solutionButton_->setObjectName("solutionButton");
    nextButton_ = new QPushButton(tr("&Next exercise"), this);
    nextButton_->setObjectName("nextButton");
    buttons->addWidget(checkButton_);
    buttons->addWidget(solutionButton_);
    buttons->addWidget(nextButton_);
    layout->addLayout(buttons);

    verdict_ = wrappedLabel("verdictLabel", this);
    layout->addWidget(verdict_);
    solutionView_ = new QTextBrowser(this);
    solutionView_->setObjectName("solutionView");
    solutionView_->setOpenLinks(false);
    solutionView_->setMinimumHeight(100);
    layout->addWidget(solutionView_, 1);
    scoreLabel_ = wrappedLabel("scoreLabel", this);
    scoreLabel_->setStyleSheet("QLabel { font-weight: bold; }");
    layout->addWidget(scoreLabel_);
}

void PracticePanel::wire() {
    connect(kindChooser_, &QComboBox::currentIndexChanged, this, &PracticePanel::chooseKind);
    connect(answerField_, &QLineEdit::returnPressed, this, &PracticePanel::checkAnswer);
    connect(checkButton_, &QPushButton::clicked, this, &PracticePanel::checkAnswer);
    connect(solutionButton_, &QPushButton::clicked, this, &PracticePanel::showSolutionStep);
    connect(nextButton_, &QPushButton::clicked, this, &PracticePanel::nextExercise);
}

void PracticePanel::setSeed(Seed seed) {
    nextSeed_ = seed;
    nextExercise();
}

Seed PracticePanel::takeSeed() {
    if (!nextSeed_)
        return clockSeed();
    return (*nextSeed_)++;
}

void PracticePanel::chooseKind(int index) {
    if (index < 0 || index >= kindCount() || index == kindIndex_)
        return;
    kindIndex_ = index;
    if (kindChooser_->currentIndex() != index)
        kindChooser_->setCurrentIndex(index);
    nextExercise();
}

void PracticePanel::nextExercise() {
    if (kinds_.empty()) {
        exercise_ = unavailable("");
    } else {
        const ExerciseKind& kind = kinds_[static_cast<std::size_t>(kindIndex_)];
        try {
            exercise_ = kind.generate(takeSeed());
            if (!exercise_.check)
                exercise_ = unavailable(kind.id);
        } catch (const std::exception&) {
            exercise_ = unavailable(kind.id);
        }
    }
    counted_ = false;
    stepsShown_ = 0;
    showExercise();
    emit exerciseChanged();
}

void PracticePanel::showExercise() {
    prompt_->setText(QString::fromStdString(exercise_.prompt));
    hint_->setText(exercise_.answerHint.empty()
                       ? QString()
                       : tr("<i>Type %1.</i>").arg(QString::fromStdString(exercise_.answerHint)));
    answerField_->clear();
    answerField_->setFocus();
    verdict_->clear();
    solutionView_->clear();
    scoreLabel_->setText(QString::fromStdString(score_.text()));
    updateSolutionButton();
}

void PracticePanel::checkAnswer() {
    const std::string typed = answerField_->text().toStdString();
    if (answerField_->text().trimmed().isEmpty()) {
        showVerdict(false, tr("Type an answer first."));
        return;
    }
    Verdict verdict;
    try {
        verdict = exercise_.check(typed);
    } catch (const std::exception&) {
        verdict = {false, "That answer could not be checked."};
    }
    if (!counted_) {
        score_.record(verdict.correct);
        counted_ = true;
    }
    showVerdict(verdict.correct, QString::fromStdString(verdict.message));
    scoreLabel_->setText(QString::fromStdString(score_.text()));
    emit answerChecked(verdict.correct);
}

void PracticePanel::showVerdict(bool correct, const QString& message) {
    const QColor colour = correct ? rightColour() : wrongColour();
    verdict_->setText(QString("<span style=\"color:%1; font-weight:bold\">%2</span>")
                          .arg(colour.name(), message.toHtmlEscaped()));
}

void PracticePanel::showSolutionStep() {
    const auto& steps = exercise_.solutionSteps;
    if (stepsShown_ >= steps.size())
        return;
    if (!counted_) {
        score_.record(false);
        counted_ = true;
        scoreLabel_->setText(QString::fromStdString(score_.text()));
    }
    ++stepsShown_;
    QString html = "<ol>";
    for (std::size_t k = 0; k < stepsShown_; ++k)
        html += "<li>" + QString::fromStdString(steps[k]) + "</li>";
    html += "</ol>";
    if (stepsShown_ == steps.size())
        html += "<p><b>" + tr("Answer: ") +
                QString::fromStdString(exercise_.expectedAnswer).toHtmlEscaped() + "</b></p>";
    solutionView_->setHtml(html);
    updateSolutionButton();
}

void PracticePanel::updateSolutionButton() {
    const std::size_t total = exercise_.solutionSteps.size();
    solutionButton_->setEnabled(stepsShown_ < total);
    if (stepsShown_ == 0)
        solutionButton_->setText(tr("Show &solution"));
    else
        solutionButton_->setText(
            tr("Next &step (%1 of %2)").arg(qMin(stepsShown_ + 1, total)).arg(total));
}

} // namespace kit
