#include "chronicle/view/quiz_pane.h"

#include "chronicle/view/entry_detail.h"
#include "kit/view/course_colours.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace chronicle {
namespace {

// A choice's text in the colour of its verdict (also while the button is disabled).
void showAs(QPushButton* button, const QColor& colour, bool bold) {
    QPalette colours = button->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        colours.setColor(group, QPalette::ButtonText, colour);
    button->setPalette(colours);
    QFont font = button->font();
    font.setBold(bold);
    button->setFont(font);
}

} // namespace

QuizPane::QuizPane(const Chronicle& chronicle, QWidget* parent)
    : QWidget(parent), chronicle_(chronicle) {
    buildWidgets();
    if (!chronicle_.entries.empty())
        nextQuestion();
}

void QuizPane::buildWidgets() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Questions:"), this));
    kindChooser_ = new QComboBox(this);
    kindChooser_->setObjectName("quizKind");
    kindChooser_->addItems({tr("Mixed"), tr("Who?"), tr("When?"), tr("Which came first?")});
    top->addWidget(kindChooser_);
    followTimeline_ = new QCheckBox(tr("Ask only about the entries &shown on the timeline"), this);
    followTimeline_->setObjectName("quizFollowsTimeline");
    top->addWidget(followTimeline_);
    top->addStretch(1);
    scoreLabel_ = new QLabel(QString::fromStdString(score_.text()), this);
    scoreLabel_->setObjectName("quizScore");
    top->addWidget(scoreLabel_);
    layout->addLayout(top);

    prompt_ = new QLabel(this);
    prompt_->setObjectName("quizPrompt");
    prompt_->setWordWrap(true);
    QFont big = prompt_->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    prompt_->setFont(big);
    layout->addWidget(prompt_);

    auto* grid = new QGridLayout;
    for (int i = 0; i < static_cast<int>(choicesPerQuestion); ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString("choice%1").arg(i));
        button->setMinimumHeight(36);
        connect(button, &QPushButton::clicked, this, [this, i] { choose(i); });
        // Keys 1 to 4 choose as well, wherever the focus is in the quiz.
        auto* key = new QShortcut(QKeySequence(Qt::Key_1 + i), this);
        key->setContext(Qt::WidgetWithChildrenShortcut);
        connect(key, &QShortcut::activated, this, [this, i] { choose(i); });
        button->setToolTip(tr("Key %1").arg(i + 1));
        grid->addWidget(button, i / 2, i % 2);
        choiceButtons_.push_back(button);
    }
    layout->addLayout(grid);

    verdict_ = new QLabel(this);
    verdict_->setObjectName("quizVerdict");
    verdict_->setWordWrap(true);
    layout->addWidget(verdict_);
    answerEntry_ = new QTextBrowser(this);
    answerEntry_->setObjectName("quizAnswerEntry");
    answerEntry_->setOpenLinks(false);
    layout->addWidget(answerEntry_, 1);

    auto* buttons = new QHBoxLayout;
    timelineButton_ = new QPushButton(tr("Show on the &timeline"), this);
    timelineButton_->setObjectName("quizShowOnTimeline");
    nextButton_ = new QPushButton(tr("&Next question"), this);
    nextButton_->setObjectName("quizNext");
    buttons->addStretch(1);
    buttons->addWidget(timelineButton_);
    buttons->addWidget(nextButton_);
    layout->addLayout(buttons);

    connect(nextButton_, &QPushButton::clicked, this, &QuizPane::nextQuestion);
    connect(kindChooser_, &QComboBox::currentIndexChanged, this, &QuizPane::nextQuestion);
    connect(followTimeline_, &QCheckBox::toggled, this, &QuizPane::nextQuestion);
    connect(timelineButton_, &QPushButton::clicked, this,
            [this] { emit entryWanted(question_.answerEntry); });
}

void QuizPane::setShownEntries(std::vector<bool> shown) {
    const bool changed = shown != shown_;
    shown_ = std::move(shown);
    if (changed && followTimeline_->isChecked())
        nextQuestion();
}

void QuizPane::setSeed(kit::Seed seed) {
    nextSeed_ = seed;
    nextQuestion();
}

kit::Seed QuizPane::takeSeed() {
    if (!nextSeed_)
        return static_cast<kit::Seed>(QDateTime::currentMSecsSinceEpoch());
    return (*nextSeed_)++;
}

void QuizPane::nextQuestion() {
    if (chronicle_.entries.empty())
        return;
    const kit::Seed seed = takeSeed();
    const int kind = kindChooser_->currentIndex();
    const std::vector<bool> asked = followTimeline_->isChecked() ? shown_ : std::vector<bool>{};
    question_ = kind <= 0
                    ? makeQuestion(chronicle_, seed, asked)
                    : makeQuestion(chronicle_, static_cast<QuestionKind>(kind - 1), seed, asked);
    answeredAlready_ = false;
    showQuestion();
}

void QuizPane::showQuestion() {
    prompt_->setText(QString::fromStdString(question_.prompt));
    for (std::size_t i = 0; i < choiceButtons_.size(); ++i) {
        QPushButton* button = choiceButtons_[i];
        button->setText(i < question_.choices.size() ? QString::fromStdString(question_.choices[i])
                                                     : QString());
        button->setEnabled(i < question_.choices.size());
        showAs(button, QApplication::palette().color(QPalette::ButtonText), false);
    }
    verdict_->clear();
    answerEntry_->clear();
    timelineButton_->setEnabled(false);
}

void QuizPane::choose(int choice) {
    if (choice < 0 || static_cast<std::size_t>(choice) >= question_.choices.size() ||
        answeredAlready_)
        return;
    answeredAlready_ = true;
    const bool correct = static_cast<std::size_t>(choice) == question_.rightChoice;
    score_.record(correct);
    scoreLabel_->setText(QString::fromStdString(score_.text()));
    for (std::size_t i = 0; i < choiceButtons_.size(); ++i) {
        QPushButton* button = choiceButtons_[i];
        button->setEnabled(false);
        if (i == question_.rightChoice)
            showAs(button, kit::rightColour(), true);
        else if (static_cast<int>(i) == choice)
            showAs(button, kit::wrongColour(), false);
    }
    const QString right = QString::fromStdString(question_.choices[question_.rightChoice]);
    verdict_->setText(
        correct ? QString("<span style=\"color:%1; font-weight:bold\">Correct.</span>")
                      .arg(kit::rightColour().name())
                : QString("<span style=\"color:%1; font-weight:bold\">Not quite: the answer is "
                          "%2.</span>")
                      .arg(kit::wrongColour().name(), right.toHtmlEscaped()));
    if (question_.kind == QuestionKind::whichFirst) {
        QStringList dates;
        for (std::size_t shown : question_.choiceEntries)
            dates << QString::fromStdString(chronicle_.entries[shown].name + ": " +
                                            datesText(chronicle_.entries[shown]))
                         .toHtmlEscaped();
        verdict_->setText(verdict_->text() + "<br>" + dates.join("<br>"));
    }
    answerEntry_->setHtml(QString::fromStdString(entryHtml(chronicle_, question_.answerEntry)));
    timelineButton_->setEnabled(true);
    emit answered(correct);
}

} // namespace chronicle
