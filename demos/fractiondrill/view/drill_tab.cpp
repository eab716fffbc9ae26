#include "fractiondrill/view/drill_tab.h"

#include "fractiondrill/core/fraction_exercises.h"

#include "kit/view/course_colours.h"
#include "kit/view/html_text.h"

#include <QComboBox>
#include <QDateTime>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

namespace fractiondrill {

using kit::html;

DrillTab::DrillTab(QWidget* parent)
    : QWidget(parent), count_(new QSpinBox(this)), kind_(new QComboBox(this)),
      progress_(new QLabel(this)), timer_(new QLabel(this)), prompt_(new QLabel(this)),
      hint_(new QLabel(this)), answer_(new QLineEdit(this)), lastVerdict_(new QLabel(this)),
      summary_(new QTextBrowser(this)), pages_(new QStackedWidget(this)),
      ticker_(new QTimer(this)) {
    count_->setObjectName("drillCount");
    kind_->setObjectName("drillKind");
    progress_->setObjectName("drillProgress");
    timer_->setObjectName("drillTimer");
    prompt_->setObjectName("drillPrompt");
    answer_->setObjectName("drillAnswer");
    summary_->setObjectName("drillSummary");
    count_->setRange(DrillSession::minimumCount, DrillSession::maximumCount);
    count_->setValue(10);
    kind_->addItem(tr("All kinds, taking turns"));
    for (const kit::ExerciseKind& kind : fractionExerciseKinds())
        kind_->addItem(html(kind.title));
    answer_->setMaxLength(200);
    prompt_->setWordWrap(true);
    prompt_->setTextFormat(Qt::RichText);
    QFont big = prompt_->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    prompt_->setFont(big);
    timer_->setFont(big);

    pages_->addWidget(makeSetup());
    pages_->addWidget(makeRunning());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(summary_, 1);
    summary_->setHtml(tr("<p>Choose the number of exercises and the kind, then press "
                         "<b>Start drill</b>. The clock runs until the last answer; each "
                         "answer counts once, as on the examination.</p>"));

    ticker_->setInterval(1000);
    connect(ticker_, &QTimer::timeout, this, &DrillTab::showClock);
    connect(answer_, &QLineEdit::returnPressed, this, &DrillTab::submit);
}

QWidget* DrillTab::makeSetup() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->addRow(tr("Number of &exercises:"), count_);
    form->addRow(tr("&Kind:"), kind_);
    auto* startButton = new QPushButton(tr("&Start drill"), page);
    startButton->setObjectName("drillStart");
    form->addRow(startButton);
    connect(startButton, &QPushButton::clicked, this, &DrillTab::start);
    return page;
}

QWidget* DrillTab::makeRunning() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    top->addWidget(progress_);
    top->addStretch();
    top->addWidget(timer_);
    layout->addLayout(top);
    layout->addWidget(prompt_);
    layout->addWidget(answer_);
    layout->addWidget(hint_);
    auto* buttons = new QHBoxLayout;
    auto* submitButton = new QPushButton(tr("&Answer"), page);
    auto* skipButton = new QPushButton(tr("S&kip"), page);
    auto* stopButton = new QPushButton(tr("S&top drill"), page);
    submitButton->setObjectName("drillSubmit");
    skipButton->setObjectName("drillSkip");
    stopButton->setObjectName("drillStop");
    buttons->addWidget(submitButton);
    buttons->addWidget(skipButton);
    buttons->addStretch();
    buttons->addWidget(stopButton);
    layout->addLayout(buttons);
    layout->addWidget(lastVerdict_);
    connect(submitButton, &QPushButton::clicked, this, &DrillTab::submit);
    connect(skipButton, &QPushButton::clicked, this, &DrillTab::skip);
    connect(stopButton, &QPushButton::clicked, this, &DrillTab::stop);
    return page;
}

void DrillTab::start() {
    std::vector<kit::ExerciseKind> kinds = fractionExerciseKinds();
    const int chosen = kind_->currentIndex();
    if (chosen > 0)
        kinds = {kinds[static_cast<std::size_t>(chosen - 1)]};
    const kit::Seed seed =
        fixedSeed_ ? *fixedSeed_ : static_cast<kit::Seed>(QDateTime::currentMSecsSinceEpoch());
    session_ = std::make_unique<DrillSession>(std::move(kinds), count_->value(), seed);
    clock_.start();
    session_->start(now());
    lastVerdict_->clear();
    summary_->clear();
    pages_->setCurrentIndex(1);
    ticker_->start();
    showCurrent();
    answer_->setFocus();
}

void DrillTab::showCurrent() {
    const kit::Exercise& exercise = session_->current();
    progress_->setText(
        tr("Exercise %1 of %2").arg(session_->position() + 1).arg(session_->count()));
    prompt_->setText(html(exercise.prompt));
    hint_->setText(tr("Answer: %1").arg(html(exercise.answerHint)));
    answer_->clear();
    showClock();
}

void DrillTab::showClock() {
    if (session_ && !session_->finished())
        timer_->setText(tr("Time: %1").arg(html(durationText(now()))));
}

void DrillTab::submit() {
    if (!session_ || session_->finished() || answer_->text().trimmed().isEmpty())
        return;
    const kit::Verdict verdict = session_->answer(answer_->text().toStdString(), now());
    lastVerdict_->setText(
        QString("<span style='color:%1'>%2</span>")
            .arg((verdict.correct ? kit::rightColour() : kit::wrongColour()).name(),
                 verdict.correct ? tr("Last answer: right.") : tr("Last answer: wrong.")));
    if (session_->finished())
        finish();
    else
        showCurrent();
}

void DrillTab::skip() {
    if (!session_ || session_->finished())
        return;
    session_->skip(now());
    lastVerdict_->setText(tr("Last exercise skipped."));
    if (session_->finished())
        finish();
    else
        showCurrent();
}

void DrillTab::stop() {
    if (!session_)
        return;
    while (!session_->finished())
        session_->skip(now());
    finish();
}

void DrillTab::finish() {
    ticker_->stop();
    pages_->setCurrentIndex(0);
    const DrillSummary summary = session_->summary();
    QString text = "<h3>" + tr("Result") + "</h3><p><b>" + html(summaryText(summary)) + "</b></p>";
    QString missed;
    for (std::size_t i = 0; i < summary.results.size(); ++i) {
        const DrillResult& result = summary.results[i];
        if (result.correct)
            continue;
        missed += "<tr><td>" + QString::number(i + 1) + "</td><td>" + html(result.prompt) +
                  "</td><td>" +
                  (result.typed.empty() ? tr("(skipped)") : html(result.typed).toHtmlEscaped()) +
                  "</td><td><b>" + html(result.expectedAnswer).toHtmlEscaped() + "</b></td></tr>";
    }
    if (missed.isEmpty())
        text += "<p>" + tr("Every exercise right. Try more exercises or a harder kind.") + "</p>";
    else
        text += "<p>" + tr("Missed exercises:") +
                "</p><table border=1 cellpadding=3><tr><th>#</th><th>Exercise</th><th>Your "
                "answer</th><th>Answer</th></tr>" +
                missed + "</table><p>" + tr("The practice pane works each kind step by step.") +
                "</p>";
    summary_->setHtml(text);
}

} // namespace fractiondrill
